#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/StdCtrls.h"

void RegisterFrameworkClasses() {
    for (const TClassInfo* info :
         {&TButton::StaticClassInfo(), &TEdit::StaticClassInfo(), &TComboBox::StaticClassInfo(),
          &TListBox::StaticClassInfo(), &TGroupBox::StaticClassInfo(), &TLabel::StaticClassInfo(),
          &TPanel::StaticClassInfo(), &TTimer::StaticClassInfo(), &TPageControl::StaticClassInfo(),
          &TTabSheet::StaticClassInfo(), &TStatusBar::StaticClassInfo(),
          &TDateTimePicker::StaticClassInfo(), &TImageList::StaticClassInfo()})
        RegisterComponentClass(*info);
}
