#pragma once
// What every command of the two terminal pages reads from the window at the moment of the click:
// the link parameters (port number `Edit30`, baud rate `ComboBox3`, machine number `Edit31`, all
// on the second page), the other boxes, and where each page reports. Nothing is cached: every
// call reads the boxes again, so a box that no longer holds a number raises the conversion
// error there and then.
//
// Commands convert their inputs from the last library argument to the first: a command first
// converts its own values, then calls ReadLink, which converts the machine number, the baud
// rate and the port number in that order. So the first bad text in that order is the one the
// error names.

#include "app/Form1.h"
#include "app/Reports.h"
#include "devlib/Conversions.h"
#include "devlib/GbkText.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace terminalpages {

struct TerminalLink {
    std::int32_t port = 0;
    std::int32_t baud = 0;
    std::int32_t machine = 0;
};

inline std::wstring BoxText(const TForm1& form, const wchar_t* box) {
    return form.Control<TControl>(box)->Text();
}

inline void SetBoxText(const TForm1& form, const wchar_t* box, const std::wstring& text) {
    form.Control<TControl>(box)->SetText(text);
}

// A box's text as a decimal integer, e.g. the card number of `Edit32`.
inline std::int32_t IntegerBox(const TForm1& form, const wchar_t* box) {
    return IntFromText(BoxText(form, box));
}

// The link parameters, converted machine number first, port number last.
inline TerminalLink ReadLink(const TForm1& form) {
    TerminalLink link;
    link.machine = IntegerBox(form, L"Edit31");
    link.baud = IntegerBox(form, L"ComboBox3");
    link.port = IntegerBox(form, L"Edit30");
    return link;
}

// The decimal separator of the user's number format; "." when the system names none or a
// separator of more than one character.
inline wchar_t DecimalSeparator() {
    wchar_t text[4] = {};
    // GetLocaleInfoW: the user's number format, decimal separator with its terminating zero.
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, 4);
    return length == 2 ? text[0] : L'.';
}

// A code of a code table as a text argument; a text outside the table has no code and goes to
// the library as a null text.
inline TextArg CodeArg(const std::optional<std::string>& code) {
    return code ? TextArg::Bytes(*code) : TextArg::Null();
}

// Status reports: `sb1` on the second page, `StatusBar1` on the third.
inline void ReportSecondPage(const TForm1& form, const std::wstring& text) {
    ReportStatus(form.Control<TStatusBar>(L"sb1"), text);
}
inline void ReportThirdPage(const TForm1& form, const std::wstring& text) {
    ReportStatus(form.Control<TStatusBar>(L"StatusBar1"), text);
}

// The result list shared by the housekeeping, monitoring and download commands.
inline TListBox& ResultList(const TForm1& form) {
    return *form.Control<TListBox>(L"ListBox1");
}

} // namespace terminalpages
