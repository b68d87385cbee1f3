#pragma once
// The main window with the recording fake in place of the terminal library, for tests of the
// card-reader page's operations, and the card texts those tests reply with.

#include "app/Reports.h"
#include "tests/win/cardpage/ClickNotification.h"
#include "tests/win/common/FakeLibrary.h"
#include "tests/win/common/MainWindowFixture.h"

#include <string>
#include <string_view>
#include <vector>

class CardPageTest : public MainWindowTest {
protected:
    // The click notification a button's parent receives, so the hidden buttons of the group
    // "写卡" run through the same window procedures, and the same error display, as a click.
    void Press(const wchar_t* button) { SendClickNotification(Get<TButton>(button)->Handle()); }
    void Enter(const wchar_t* box) { Type(box, L'\r'); }
    std::wstring Status() { return StatusOf(L"sb"); }
    void SetStatus(const std::wstring& text) { ReportStatus(Get<TStatusBar>(L"sb"), text); }
    std::vector<std::string> Calls() const { return fake_.Calls(); }

    // Exactly one message box was shown, with this text, caption and style.
    void ExpectOneBox(const std::wstring& text, const std::wstring& caption, unsigned flags);
    void ExpectPlainMessage(const std::wstring& text);
    void ExpectInformation(const std::wstring& text);
    // The standard conversion error through the application's default error display.
    void ExpectConversionError(const std::wstring& message);

    FakeLibrary fake_;
};

// Card texts as the library sends them.
namespace cardtext {
// The two record blocks, 64 digits, assembled field by field.
std::string Record(std::string_view number, std::string_view date, std::string_view name,
                   std::string_view minimum, std::string_view daily, std::string_view limits,
                   std::string_view type);
// A purse value block holding `fen`.
std::string Purse(unsigned fen);
} // namespace cardtext
