// Terminal pages: the housekeeping commands of the group "常用操作" and the baud rate change of
// the third page. Each reads its inputs, makes one library call and reports.

#include "app/Form1.h"
#include "devlib/TerminalLibrary.h"
#include "terminalpages/TerminalFormats.h"
#include "terminalpages/TerminalLink.h"

using namespace terminalpages;

namespace {

// The status texts of a count query.
struct CountQuery {
    int (*call)(TerminalLink link);
    const wchar_t* success;
    const wchar_t* failure;
};

// Count, total and capacity: the list is emptied first, then the result is reported and the
// number shown in plain decimal. Only -1 is a failure; other negative values are shown.
void ShowCount(TForm1& form, const CountQuery& query) {
    ResultList(form).Clear();
    const int value = query.call(ReadLink(form));
    if (value == -1) {
        ReportSecondPage(form, query.failure);
        return;
    }
    ReportSecondPage(form, query.success);
    ResultList(form).Items()->Add(std::to_wstring(value));
}

// The text of a library reply as the list shows it: GBK decoded, cut at the first zero byte as
// a list item cuts it.
std::wstring ListText(const std::string& gbk) {
    return WideFromGbk(std::string_view(gbk).substr(0, gbk.find('\0')));
}

} // namespace

void TForm1::Button24Click(TObject*) {
    const std::int32_t newMachine = IntegerBox(*this, L"Edit31");
    const std::int32_t oldMachine = IntegerBox(*this, L"Edit36");
    const std::int32_t baud = IntegerBox(*this, L"ComboBox3");
    const std::int32_t port = IntegerBox(*this, L"Edit30");
    const bool done = Library().setjh(port, baud, oldMachine, newMachine) != 0;
    ReportSecondPage(*this, done ? L"设置机号成功！" : L"设置机号失败！");
}

void TForm1::Button25Click(TObject*) {
    ResultList(*this).Clear();
    const TerminalLink link = ReadLink(*this);
    const std::string reply = CopyReply(Library().gettime(link.port, link.baud, link.machine));
    if (reply.empty()) {
        ShowWarning(L"获取时间失败!");
        ReportSecondPage(*this, L"获取时间失败！");
        return;
    }
    ResultList(*this).Items()->Add(WideFromGbk(ClockLine(reply)));
    ReportSecondPage(*this, L"获取时间成功！");
}

void TForm1::Button26Click(TObject*) {
    const TerminalLink link = ReadLink(*this);
    const bool done = Library().settime(link.port, link.baud, link.machine) != 0;
    ReportSecondPage(*this, done ? L"验证时间成功！" : L"验证时间失败！");
}

void TForm1::Button29Click(TObject*) {
    ShowCount(*this, {[](TerminalLink l) { return Library().getnum(l.port, l.baud, l.machine); },
                      L"获取记录总数成功！", L"获取记录总数失败！"});
}

void TForm1::Button42Click(TObject*) {
    ShowCount(*this, {[](TerminalLink l) { return Library().getje(l.port, l.baud, l.machine); },
                      L"获取记录总金额成功！", L"获取记录总金额失败！"});
}

void TForm1::Button43Click(TObject*) {
    ShowCount(*this, {[](TerminalLink l) { return Library().getmaxnum(l.port, l.baud, l.machine); },
                      L"获取记录最大数成功！", L"获取记录最大数失败！"});
}

void TForm1::Button47Click(TObject*) {
    ResultList(*this).Items()->Clear();
    const TerminalLink link = ReadLink(*this);
    const std::string reply = CopyReply(Library().getxx(link.port, link.baud, link.machine));
    if (reply.empty()) {
        ReportSecondPage(*this, L"获取机器版本信息失败！");
        return;
    }
    ReportSecondPage(*this, L"获取机器版本信息成功！");
    ResultList(*this).Items()->Add(ListText(HexToText(reply)));
}

void TForm1::Button28Click(TObject*) {
    const TerminalLink link = ReadLink(*this);
    if (Library().cleardata(link.port, link.baud, link.machine) != 0)
        ShowInformation(L"清除数据成功！");
    else
        ShowWarning(L"清除数据失败！");
}

void TForm1::Button16Click(TObject*) {
    const std::int32_t count = IntegerBox(*this, L"Edit105");
    const TerminalLink link = ReadLink(*this);
    const bool done = Library().hfdata(link.port, link.baud, link.machine, count) != 0;
    ShowInformation(done ? L"恢复记录成功！" : L"恢复记录失败！");
}

// setbtl takes the old baud rate of the third page where other calls take the link's rate.
void TForm1::Button5Click(TObject*) {
    const std::int32_t rateCode = BaudRateCode(BoxText(*this, L"ComboBox10"));
    const std::int32_t machine = IntegerBox(*this, L"Edit31");
    const std::int32_t oldBaud = IntegerBox(*this, L"ComboBox5");
    const std::int32_t port = IntegerBox(*this, L"Edit30");
    const bool done = Library().setbtl(port, oldBaud, machine, rateCode) != 0;
    ShowInformation(done ? L"设置波特率成功！" : L"设置波特率失败！");
}
