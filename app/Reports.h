#pragma once
// How operations report: the status bar of a page and the four kinds of message box.

#include "framework/ComCtrls.h"

#include <string>

// Replaces the text of panel 1 of a page's status bar; panel 0 keeps its label.
void ReportStatus(TStatusBar* bar, const std::wstring& text);

// Information box captioned "提示" with the information icon.
void ShowInformation(const std::wstring& text);
// Error box captioned "警告" with the error icon.
void ShowWarning(const std::wstring& text);
// Yes/No box captioned "提示" without icon; true when the answer is Yes.
bool ConfirmYesNo(const std::wstring& text);
// Plain box captioned with the application title.
void ShowPlainMessage(const std::wstring& text);
