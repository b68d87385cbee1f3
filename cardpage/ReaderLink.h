#pragma once
// What every operation of the card-reader page reads from the window at the moment of the click
// (the reader port and the card data sector), where it reports, and the decimal separator its
// amounts are typed and shown with. Nothing here is cached: each call reads the box again, so
// a box that no longer holds a number raises the conversion error there and then.

#include "app/Form1.h"
#include "app/Reports.h"
#include "devlib/Conversions.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace cardpage {

// The reader's serial port number from `ComboBox1`.
inline std::int32_t ReaderPort(const TForm1& form) {
    return IntFromText(form.Control<TComboBox>(L"ComboBox1")->Text());
}

// The card data sector from `sq`.
inline std::int32_t CardSector(const TForm1& form) {
    return IntFromText(form.Control<TComboBox>(L"sq")->Text());
}

// Writes a result into panel 1 of the page's status bar `sb`.
inline void ReportCardStatus(const TForm1& form, const std::wstring& text) {
    ReportStatus(form.Control<TStatusBar>(L"sb"), text);
}

// The decimal separator of the user's number format; "." when the system names none or a
// separator of more than one character.
inline wchar_t DecimalSeparator() {
    wchar_t text[4] = {};
    // GetLocaleInfoW: the user's number format, decimal separator with its terminating zero.
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, 4);
    return length == 2 ? text[0] : L'.';
}

// A box's text as a whole number of a given name, e.g. the limit of period 1 in `Edit24`.
inline std::int32_t IntegerBox(const TForm1& form, const wchar_t* box) {
    return IntFromText(form.Control<TEdit>(box)->Text());
}

inline std::wstring BoxText(const TForm1& form, const wchar_t* box) {
    return form.Control<TWinControl>(box)->Text();
}

inline void SetBoxText(const TForm1& form, const wchar_t* box, const std::wstring& text) {
    form.Control<TWinControl>(box)->SetText(text);
}

} // namespace cardpage
