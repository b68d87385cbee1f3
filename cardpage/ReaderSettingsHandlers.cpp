// Card-reader page: the desktop reader's own password, set and read back.

#include "app/Form1.h"
#include "cardpage/ReaderLink.h"
#include "devlib/GbkText.h"
#include "devlib/TerminalLibrary.h"

using namespace cardpage;

// The password goes to the reader as typed, unchecked; an empty box sends a null text.
void TForm1::Button1Click(TObject*) {
    const TextArg password(BoxText(*this, L"Edit1"));
    const bool set = Library().downmmre(ReaderPort(*this), ReaderCode().c_str(), password.get());
    ShowInformation(set ? L"设置读卡器密码成功！" : L"设置读卡器密码失败！");
}

// Shows the reader's answer as it came, an empty one as an empty message.
void TForm1::Button2Click(TObject*) {
    ShowPlainMessage(WideFromGbk(CopyReply(Library().readmm(ReaderPort(*this)))));
}
