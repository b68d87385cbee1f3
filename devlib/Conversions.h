#pragma once
// Conversions between the forms the terminal library speaks (hexadecimal text, two-digit block
// texts, integer fen, fixed-point currency) and the decimal texts the operator types.
//
// Text kinds:
// - hex text, block texts and byte texts are std::string: they come from or go to the terminal
//   library, whose texts are GBK bytes (hex digits are plain ASCII);
// - box texts are std::wstring (the window's text is UTF-16).
//
// The conversions of box texts raise EConvertError (framework/Exception.h) with the standard
// messages "'%s' is not a valid integer value" and "'%s' is not a valid floating point value",
// naming the offending text; the application's default error display shows them.

#include <cstdint>
#include <string>
#include <string_view>

// Reads hex text as a 32-bit integer. An empty text gives 0; a "$" is allowed as the first
// character only; any other character outside 0-9, A-F, a-f gives 0. Eight digits of 80000000
// or more give the negative number with the same 32 bits. Never raises: a text whose value
// does not fit 32 bits, or a lone "$", also gives 0, because the texts come from a device
// and a bad reply must not stop the decoding of the rest of it.
std::int32_t HexToInt(std::string_view hex);

// Turns each whole pair of hex digits into one byte, first pair first; a pair that is not
// valid hex gives a zero byte and a last odd character is ignored. Zero bytes stay in the
// result.
std::string HexToText(std::string_view hex);

// Reads a box text as a decimal 32-bit integer: leading spaces, an optional sign, then one or
// more digits 0-9 and nothing after them (trailing spaces are refused, as the standard
// conversion refuses them). Anything else, or a value outside the 32-bit range, raises
// "'%s' is not a valid integer value".
std::int32_t IntFromText(std::wstring_view text);

// Reads a box text as a decimal number into currency: raw = value x 10000, rounded to the
// nearest raw unit with halves going to the even neighbour. Accepted: leading and trailing
// spaces, an optional sign, digits with at most one decimal separator (at least one digit in
// all), an optional exponent "E" or "e" with optional sign and digits. No thousands
// separators. Anything else, or a value outside the 64-bit raw range, raises
// "'%s' is not a valid floating point value".
std::int64_t CurrencyFromText(std::wstring_view text, wchar_t decimalSeparator = L'.');

// The shortest decimal text of a currency value: no trailing zeros after the separator and no
// separator when the fraction is zero (125000 gives "12.5", 10000 gives "1").
std::wstring CurrencyText(std::int64_t raw, wchar_t decimalSeparator = L'.');

// Yuan typed in a box to integer fen: the text is read as currency, multiplied by 100, written
// as the shortest decimal text of the product and that text is read as a decimal integer. So
// "12.34" gives 1234 and "-5" gives -500, "abc" raises the floating point error naming "abc",
// and "1.234" raises the integer error naming "123.4".
std::int32_t FenFromYuan(std::wstring_view text, wchar_t decimalSeparator = L'.');

// Fen to yuan text: the value divided by 100 exactly, shortest decimal text (1250 gives
// "12.5", 1200 gives "12", 5 gives "0.05", -5 gives "-0.05").
std::wstring YuanFromFen(std::int64_t fen, wchar_t decimalSeparator = L'.');

// The block number as decimal text with at least two digits: 1 gives "01", 13 gives "13".
std::string BlockText(std::int32_t block);

// Upper-case hexadecimal with at least minDigits digits (zero-padded), more when the value
// needs them; a negative value gives its 32-bit two's complement (eight digits). minDigits is
// clamped to 0..16.
std::string HexByteText(std::int32_t value, int minDigits = 2);
