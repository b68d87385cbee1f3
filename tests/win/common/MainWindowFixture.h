#pragma once
// The main window made from the program's own form file, for window tests of its pages.

#include "app/Form1.h"
#include "tests/win/common/WinTest.h"

#include <gtest/gtest.h>

#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_.reset(new TForm1(nullptr));
        form_->Show();
        PumpMessages();
    }
    void TearDown() override { form_.reset(); }

    TForm1& Form() { return *form_; }
    template <class T> T* Get(const wchar_t* name) { return form_->Control<T>(name); }
    // Text of any box or button of the window.
    std::wstring TextOf(const wchar_t* name) {
        return dynamic_cast<TControl*>(form_->FindComponent(name))->Text();
    }
    void SetText(const wchar_t* name, const std::wstring& text) {
        dynamic_cast<TControl*>(form_->FindComponent(name))->SetText(text);
    }
    // Clicks a button the way a user does: the window gets BM_CLICK.
    void Click(const wchar_t* name) { SendMessageW(Get<TButton>(name)->Handle(), BM_CLICK, 0, 0); }
    // Types one character into a box: the window gets WM_CHAR.
    void Type(const wchar_t* name, wchar_t key) {
        SendMessageW(Get<TWinControl>(name)->Handle(), WM_CHAR, key, 1);
    }
    // The report text of a page's status bar (panel 1).
    std::wstring StatusOf(const wchar_t* bar) {
        TStatusPanel* panel = Get<TStatusBar>(bar)->Panel(1);
        return panel ? panel->Text() : std::wstring();
    }
    std::vector<std::wstring> ListItems(const wchar_t* name) {
        return Get<TListBox>(name)->Items()->ToVector();
    }

    MessageBoxRecorder boxes_;

private:
    std::unique_ptr<TForm1> form_;
};
