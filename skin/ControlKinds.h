#pragma once
// The kinds of control skinner, and the choice for a window that has no framework control behind
// it (the controls of a standard dialog), made from its class name and style alone. Plain values
// only; the control walk reads them off the window and makes the skinner.

#include <cstdint>
#include <string>
#include <string_view>

namespace skin {

// One kind per member of the control skinner family.
enum class SkinnerKind {
    None,
    Button,
    BitButton,
    PngBitButton,
    MenuButton,
    SpeedButton,
    CheckBox,
    RadioButton,
    ComboBox,
    Edit,
    Tab,
    TabButtons,
    Tab31,
    TabSheet,
    AdvPage,
    GroupBox,
    Box,
    BoxH,
    StatusBar,
    Progress,
    TrackBar,
    UpDown,
    DateTime,
    MediaPlayer,
    ObjImage,
    Sizer,
    Scrollbar,
    SingleScrollbar,
    ScrollControl,
    ListView,
    Header,
};

// The name a skinner kind goes by in logs and test output ("Button", "ComboBox"...).
const char* SkinnerKindName(SkinnerKind kind);

// Style bits of the standard controls that the choice tests (the values Win32 gives them).
namespace ctlstyle {
inline constexpr std::uint32_t kTabStop = 0x00010000;    // WS_TABSTOP
inline constexpr std::uint32_t kButtonTypeMask = 0x000F; // BS_TYPEMASK
inline constexpr std::uint32_t kButtonBitmap = 0x0080;   // BS_BITMAP
inline constexpr std::uint32_t kComboTypeMask = 0x0003;  // CBS_SIMPLE, CBS_DROPDOWN...
inline constexpr std::uint32_t kComboSimple = 0x0001;    // CBS_SIMPLE
inline constexpr std::uint32_t kSizeBox = 0x0008;        // SBS_SIZEBOX
inline constexpr std::uint32_t kSizeGrip = 0x0010;       // SBS_SIZEGRIP
inline constexpr std::uint32_t kTabOwnerDraw = 0x2000;   // TCS_OWNERDRAWFIXED
} // namespace ctlstyle

// The button types of the type bits (BS_TYPEMASK), grouped as the skinners serve them.
enum class ButtonType { Push, Check, Radio, GroupBox, OwnerDraw, Other };
ButtonType ButtonTypeOf(std::uint32_t style);

// What the control walk does with one plain child window.
struct PlainChoice {
    SkinnerKind kind = SkinnerKind::None;
    bool walkChildren = false; // an inner dialog or panel: its children are decided too
    bool panelColour = false;  // the framework control behind the window takes ButtonFace
    bool firstChild = false;   // the skinner goes to the window's first child, not the window
    friend bool operator==(const PlainChoice&, const PlainChoice&) = default;
};

// The choice for a plain window of this class name (compared without regard to case) and style.
// hasChild tells whether the window has a child window.
PlainChoice ChoosePlainWindow(std::wstring_view className, std::uint32_t style, bool hasChild);

// The text in lower case (ASCII letters only, as window class names are compared).
std::wstring LowerAscii(std::wstring_view text);

} // namespace skin
