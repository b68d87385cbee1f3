#pragma once
// The arithmetic of a skinned window frame: what kind of frame a window has, how thick the
// skinned frame is, where the client area lies, what a non-client point hits, how the window
// is resized to keep its client size, and which caption buttons show where. Plain numbers
// only; the window skinner reads them off the window and applies the results.

#include "skin/PaintGeometry.h"

#include <cstdint>
#include <string_view>

namespace skin {

// Window style bits the rules test (the values Win32 gives them).
namespace style {
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kThickFrame = 0x00040000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kModalFrame = 0x00000080; // DS_MODALFRAME
inline constexpr std::uint32_t kExDlgModalFrame = 0x00000001;
inline constexpr std::uint32_t kExMdiChild = 0x00000040;
inline constexpr std::uint32_t kExLeftScrollBar = 0x00004000;
inline constexpr std::uint32_t kExAppWindow = 0x00040000;
} // namespace style

enum class MdiRole { Plain = 0, Frame = 1, Child = 2 };
enum class BorderKind { Sizeable = 0, Fixed = 1, None = 2, Dialog = 3 };
enum class ShowState { Normal = 0, Maximized = 1, Minimized = 2 };

// Caption abilities.
inline constexpr unsigned kCanMaximize = 0x01;
inline constexpr unsigned kCanMinimize = 0x02;
inline constexpr unsigned kHasSystemMenu = 0x08;
inline constexpr unsigned kRemovesCaptionStyle = 0x10;

struct FrameKinds {
    MdiRole mdi = MdiRole::Plain;
    BorderKind border = BorderKind::Fixed;
    unsigned abilities = 0;
    bool rightToLeft = false;
    bool childWindow = false;
    bool dialogClass = false; // a standard dialog ("#32770") or a message box ("TMessageForm")
};

// What a window shows of itself.
struct WindowTraits {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::string_view className;
    bool hasSystemMenuHandle = false;
    bool hasMdiClient = false; // a child window of class "MDIClient"
};

bool IsDialogClass(std::string_view className);
FrameKinds DeriveFrameKinds(const WindowTraits& window);
// From a placement's show command: 3 maximized; 2, 6 and 7 minimized; anything else normal.
ShowState ShowStateFromShowCommand(unsigned showCommand);

// The thickness of the skinned frame.
struct FrameMetrics {
    int borderLeft = 0;
    int captionHeight = 0;
    int borderRight = 0;
    int borderBottom = 0;
    int menuHeight = 0;

    int Top() const { return captionHeight + menuHeight; }
    int Horizontal() const { return borderLeft + borderRight; }
    int Vertical() const { return captionHeight + borderBottom + menuHeight; }
};

// Size of a border piece's image and its frame count.
struct EdgeImage {
    int width = 0;
    int height = 0;
    int frames = 1;
};
// The metrics from the four edge images (left, right, top, bottom): the caption is the top
// image's frame height, the sides their frame widths, the bottom its frame height. A window
// without a caption gets none.
FrameMetrics ComputeFrameMetrics(const EdgeImage& left, const EdgeImage& right,
                                 const EdgeImage& top, const EdgeImage& bottom, BorderKind border);

// The client rectangle of a window rectangle under the skinned frame. A window smaller than
// its frame (minimized, or shrunk by the user) gets an empty client rectangle at the inset
// corner, never an inverted one.
PaintRect SkinnedClientRect(const PaintRect& window, const FrameMetrics& metrics);

// Hit codes (the system's HT values).
namespace hit {
inline constexpr int kNowhere = 0;
inline constexpr int kClient = 1;
inline constexpr int kCaption = 2;
inline constexpr int kMenu = 5;
inline constexpr int kLeft = 10;
inline constexpr int kRight = 11;
inline constexpr int kBottom = 15;
inline constexpr int kBottomLeft = 16;
inline constexpr int kBottomRight = 17;
inline constexpr int kBorder = 18;
} // namespace hit

// Refines the system's answer for a point in window coordinates (origin at the window's
// top-left corner). Only answers of nowhere or caption change: the caption strip (below the
// top three pixels) answers caption, the menu band answers menu, and the side and bottom
// borders answer their border codes (sizing codes on a sizeable window).
int RefineHitTest(int systemAnswer, int x, int y, int windowWidth, int windowHeight,
                  const FrameMetrics& metrics, BorderKind border);

// The window size that gives this client size under the skinned frame.
struct WindowSize {
    int width = 0;
    int height = 0;
};
WindowSize WindowSizeForClient(int clientWidth, int clientHeight, const FrameMetrics& metrics);

// A dialog whose caption does not fit: the width the caption needs, and how far each child
// moves right (half the widening, toward zero). No widening when the caption fits.
struct DialogWidening {
    int width = 0;      // the new window width
    int childShift = 0; // added to every child window's x
};
DialogWidening WidenForCaption(int windowWidth, int textShift, int textWidth, int textRightClip);

// The window size that keeps the client area under the standard frame again.
WindowSize WindowSizeWithoutSkin(int windowWidth, int windowHeight, int standardFrameWidth,
                                 int standardFrameHeight, const FrameMetrics& metrics);

} // namespace skin
