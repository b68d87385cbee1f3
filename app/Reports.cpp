#include "app/Reports.h"

#include "framework/Forms.h"

void ReportStatus(TStatusBar* bar, const std::wstring& text) {
    while (bar->Panels()->Count() < 2)
        bar->Panels()->Add();
    bar->Panel(1)->SetText(text);
}

void ShowInformation(const std::wstring& text) {
    Application->MessageBox(text, L"提示", MB_OK | MB_ICONINFORMATION);
}

void ShowWarning(const std::wstring& text) {
    Application->MessageBox(text, L"警告", MB_OK | MB_ICONERROR);
}

bool ConfirmYesNo(const std::wstring& text) {
    return Application->MessageBox(text, L"提示", MB_YESNO) == IDYES;
}

void ShowPlainMessage(const std::wstring& text) {
    Application->MessageBox(text, Application->Title(), MB_OK);
}
