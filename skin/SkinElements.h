#pragma once
// The skin element model: what a skin description and its images turn into once loaded. Every
// painter of the engine reads these elements, never the description, which is gone after the
// load. Portable: images are held as decoded pixels; the painting layer makes its own drawable
// form of each image once and keeps it with the image.

#include "skin/BmpImage.h"
#include "skin/VarUdedIni.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The pixels of one element image, and the drawable form the painting layer made of them.
class SkinImage {
public:
    SkinImage() = default;
    explicit SkinImage(TBmpImage pixels) : pixels_(std::move(pixels)) {}

    const TBmpImage& Pixels() const { return pixels_; }
    bool Empty() const { return pixels_.Empty(); }
    int Width() const { return pixels_.width; }
    int Height() const { return pixels_.height; }

    // Replaces the pixels; the drawable form is dropped with the old ones.
    void Assign(TBmpImage pixels) {
        pixels_ = std::move(pixels);
        native_.reset();
    }
    void Clear() { Assign({}); }

    // The painting layer's handle for these pixels (made on first use, freed with the image).
    std::shared_ptr<void>& Native() const { return native_; }

private:
    TBmpImage pixels_;
    mutable std::shared_ptr<void> native_;
};

// An image strip of equal frames with four fixed margins, a transparency switch (key colour
// magenta) and a tile switch, and the text colours some painters take from it.
class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    SkinImage Image;
    std::int32_t Trans = 0;
    std::int32_t Tile = 0;
    std::string Name;
    std::int32_t Frame = 0;
    std::int32_t Style = 0;
    TColour NormalColour = -1;
    TColour MouseOverColour = -1;
    TColour PressedColour = -1;
    TColour NormalColour2 = -1;
    TColour MouseOverColour2 = -1;
    TColour PressedColour2 = -1;

    // The frame count as the painters divide by it: never below 1.
    int Frames() const { return Frame > 0 ? Frame : 1; }
};

// An element with a second image (the window edges, tabs, combo and up-down buttons).
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    SkinImage Image2;
};

// Push buttons, with the check-box and radio-button strips.
class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    SkinImage CheckImage;
    SkinImage RadioImage;
    std::int32_t RadioButtonFrame = 0;
    std::int32_t CheckButtonFrame = 0;
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

// The caption: the text settings of the title bar. The first three margins hold TextShift,
// TextShiftVert and TextRightClip.
class TDataSkinTitle : public TDataSkinObject {
public:
    static constexpr TColour kNotGiven = 0x1FFFFFFF;
    using TDataSkinObject::TDataSkinObject;
    std::int32_t TextShift() const { return LeftWidth; }
    std::int32_t TextShiftVert() const { return TopHeight; }
    std::int32_t TextRightClip() const { return RightWidth; }

    std::int32_t TextAlignment = 0;
    std::int32_t Textbackground = 0;
    std::int32_t FontHeight = 14;
    std::int32_t TXTBackleft = 0;
    std::int32_t TXTBackRight = 0;
    TColour ActiveText = kNotGiven;
    TColour InActiveText = kNotGiven;
};

// A title-bar button: what it does, where it sits and when it shows.
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t Xcoord = 0;
    std::int32_t Ycoord = 0;
    std::int32_t CombineOp = -1;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
};

// The group box caption background.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t BackgroundLeftShift = 0;
    std::int32_t BackgroundRightShift = 0;
    std::int32_t BackgroundAlignment = 0;
};

// The named colours of a skin, 0x00BBGGRR, system colours already resolved.
struct TSkinColours {
    TColour WindowText = 0;
    TColour ButtonFace = 0;
    TColour Scrollbar = 0;
    TColour HilightText = 0;
    TColour Hilight = 0;
    TColour Menubar = 0;
    TColour Menu = 0;
    TColour MenuText = 0;
    TColour ButtonText = 0;
    TColour ButtonHilight = 0;
    TColour Buttonlight = 0;
    TColour ButtonShadow = 0;
    TColour ButtonDkShadow = 0;
    TColour MenuBarText = 0;
    TColour TitleTextActive = 0;
    TColour TitleTextNoActive = 0;
};

// What the loader needs of the running system: its colours and one metric.
struct TSkinSystem {
    // 0x00BBGGRR of a system colour index (COLOR_BTNFACE...).
    std::uint32_t (*SysColour)(int index) = nullptr;
    // The width of a horizontal scroll arrow (SM_CXHSCROLL).
    int ScrollArrowWidth = 16;
};

// Every element of one loaded skin. Elements without a source in the description are null,
// except those the model always holds.
struct TSkinElements {
    TSkinElements();

    std::string SkinName;
    TSkinColours Colours;
    std::vector<TColour> ExtraColours;
    TColour CustomColours[10] = {};
    TColour BorderColour = 0;

    // Always present.
    std::unique_ptr<TDataSkinButton> Buttons;
    std::unique_ptr<TDataSkinTitle> Title;
    std::unique_ptr<TDataSkinBorder> Left, Right, Top, Bottom;
    std::unique_ptr<TDataSkinObject> Track, TRACKVERT, Toolbar, ComboxArrow;
    // The title-bar buttons in description order, then the three MDI child buttons.
    std::vector<std::unique_ptr<TDataSkinSysButton>> TitleButtons;

    // Present when the description has them.
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk;
    std::unique_ptr<TDataSkinObject> MenuBar;
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> TabPane;
    std::unique_ptr<TDataSkinObject> ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll, VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb, VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz, TrackbarThumbVert, TrackbarThumbLeft,
        TrackbarThumbRight, TrackbarThumbUp, TrackbarThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;

    // The four window edges by the frame painter's numbering: 1 left, 2 right, 3 top, 4 bottom.
    TDataSkinBorder* Edge(int number) const;
};

class TSkinReader;

// Reads every element from the description and the package's images, in the loader's order,
// up to the derived images that need drawing (combo-box strips, the tool bar gradient), which
// the painting layer adds afterwards. Anything missing gives its default.
void ReadSkinElements(const TQuickIni& ini, const TSkinReader& reader, const TSkinSystem& system,
                      TSkinElements& elements);

// The frame count of a title-bar button image whose description gave none.
int InferTitleButtonFrames(int width, int height, int action);
// RadioButtonFrame or CheckButtonFrame worked out from a strip: width over the cell (13 for
// strips under 16 pixels high, else 16), at least 4.
int InferCheckFrames(int width, int height);
// The pixel colour (0x00BBGGRR) of the top edge at (width / 3, (height / frames) / 3), or
// ButtonFace for an empty image.
TColour WorkOutBorderColour(const TDataSkinBorder& top, TColour buttonFace);
// The ComboxArrow image when there is a ComboButton but no SunkEdge: its image with magenta
// replaced by ButtonFace.
TBmpImage ComboArrowFromButton(const TBmpImage& button, TColour buttonFace);
// The ComboxArrow image cut from the combo strip: a 17-pixel square of each frame.
TBmpImage ComboArrowFromStrip(const TBmpImage& strip, int frames);
// A copy mirrored left to right.
TBmpImage MirrorImage(const TBmpImage& image);

// The built-in pictures the engine falls back on: a 16 x 4 horizontal track and a 4 x 16
// vertical one, and the four 16 x 16 window-menu glyphs (restore, maximize, minimize, close)
// side by side on white.
TBmpImage BuiltinTrackImage();
TBmpImage BuiltinTrackVertImage();
TBmpImage BuiltinMenuGlyphs();
