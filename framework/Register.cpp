#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"

void RegisterFrameworkClasses() {
    for (const TClassInfo* info :
         {&TButton::StaticClassInfo(),         &TBitBtn::StaticClassInfo(),
          &TSpeedButton::StaticClassInfo(),    &TCheckBox::StaticClassInfo(),
          &TRadioButton::StaticClassInfo(),    &TEdit::StaticClassInfo(),
          &TMemo::StaticClassInfo(),           &TComboBox::StaticClassInfo(),
          &TListBox::StaticClassInfo(),        &TScrollBar::StaticClassInfo(),
          &TGroupBox::StaticClassInfo(),       &TRadioGroup::StaticClassInfo(),
          &TLabel::StaticClassInfo(),          &TPanel::StaticClassInfo(),
          &TTimer::StaticClassInfo(),          &TPageControl::StaticClassInfo(),
          &TTabSheet::StaticClassInfo(),       &TStatusBar::StaticClassInfo(),
          &TDateTimePicker::StaticClassInfo(), &TProgressBar::StaticClassInfo(),
          &TTrackBar::StaticClassInfo(),       &TUpDown::StaticClassInfo(),
          &TImageList::StaticClassInfo(),      &TMainMenu::StaticClassInfo(),
          &TPopupMenu::StaticClassInfo(),      &TMenuItem::StaticClassInfo()})
        RegisterComponentClass(*info);
}
