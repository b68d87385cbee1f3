#pragma once
// The main window: three pages of boxes, each device operation a handler method bound by name
// from the form file.

#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TForm1 : public TForm {
    DEVTOOL_CLASS(TForm1)
public:
    // Reads the window from the form file held in the program's resources.
    explicit TForm1(TComponent* owner);
    // Reads the window from the given form file text (tests).
    TForm1(TComponent* owner, std::string_view formText);

#define DEVTOOL_NOTIFY(name) void name(TObject* Sender);
#define DEVTOOL_KEYPRESS(name) void name(TObject* Sender, wchar_t& Key);
#include "app/Form1Handlers.inc"
#undef DEVTOOL_NOTIFY
#undef DEVTOOL_KEYPRESS

    const TMethodEntry* FindMethod(std::string_view name) const override;

    // The reader code passed second to every card-reader call.
    const std::string& ReaderCode() const {
        return readerCode_;
    }

private:
    void BindMethods();
    std::vector<TMethodEntry> methods_;
    std::string readerCode_;
    // Live monitoring: the number of the last record line shown; 0 when monitoring starts.
    std::int32_t monitorSequence_ = 0;
};
