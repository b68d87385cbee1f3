#include "skin/SkinElements.h"

#include "skin/ImgUtilColour.h"
#include "skin/ImgUtilGradient.h"
#include "skin/SkinRead.h"

#include <algorithm>
#include <string_view>

namespace {

// System colour indexes, as GetSysColor numbers them.
enum SysColourIndex {
    kScrollbar = 0,
    kMenu = 4,
    kWindowText = 8,
    kMenuText = 7,
    kCaptionText = 9,
    kHighlight = 13,
    kHighlightText = 14,
    kBtnFace = 15,
    kBtnShadow = 16,
    kBtnText = 18,
    kInactiveCaptionText = 19,
    kBtnHighlight = 20,
    k3DDkShadow = 21,
};

TColour Sys(const TSkinSystem& system, int index) {
    return system.SysColour ? static_cast<TColour>(system.SysColour(index) & 0xFFFFFF) : 0;
}

// Pixels are 0x00RRGGBB; colours are 0x00BBGGRR.
TColour ColourOfPixel(std::uint32_t rgb) {
    return static_cast<TColour>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

std::uint32_t PixelOfColour(TColour colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

class ElementReader {
public:
    ElementReader(const TQuickIni& ini, const TSkinReader& reader, const TSkinElements& elements)
        : ini_(ini), reader_(reader), elements_(elements) {}

    std::int32_t Int(std::string_view section, std::string_view key, std::int32_t def) const {
        return ini_.ReadInteger(section, key, def);
    }
    TBmpImage Image(std::string_view section, std::string_view key) const {
        return ReadImage(ini_, reader_, section, key);
    }
    bool HasValue(std::string_view section, std::string_view key) const {
        return !ini_.ReadString(section, key, "").empty();
    }

    // The keys every element section has: margins, switches and colours. `withFrame` reads
    // Frame too; the image is read by the caller.
    void CommonKeys(std::string_view section, TDataSkinObject& e, bool withFrame) const {
        e.Style = Int(section, "Style", 0);
        e.LeftWidth = Int(section, "LeftWidth", 0);
        e.RightWidth = Int(section, "RightWidth", 0);
        e.TopHeight = Int(section, "TopHeight", 0);
        e.BottomHeight = Int(section, "BottomHeight", 0);
        if (withFrame) {
            e.Frame = Int(section, "Frame", 0);
        }
        e.Trans = Int(section, "Trans", 0);
        e.Tile = Int(section, "Tile", 0);
        if (e.Tile > 1) {
            e.Tile = 0;
        }
        e.NormalColour = ReadColourInteger(ini_, section, "NormalColour", -1);
        e.MouseOverColour = ReadColourInteger(ini_, section, "MouseOverColour", -1);
        e.PressedColour = ReadColourInteger(ini_, section, "PressedColour", -1);
        const TColour text = elements_.Colours.ButtonText;
        e.NormalColour2 = ReadColourTriple(ini_, section, "NormalColour2", text);
        e.MouseOverColour2 = ReadColourTriple(ini_, section, "MouseOverColour2", text);
        e.PressedColour2 = ReadColourTriple(ini_, section, "PressedColour2", text);
    }

    // An element of its own section, present only when its Image key has a value.
    template <class T>
    std::unique_ptr<T> Section(std::string_view section, bool withFrame = true) const {
        if (!HasValue(section, "Image")) {
            return nullptr;
        }
        auto e = std::make_unique<T>(std::string(section));
        CommonKeys(section, *e, withFrame);
        e->Image.Assign(Image(section, "Image"));
        return e;
    }

    const TQuickIni& Ini() const { return ini_; }

private:
    const TQuickIni& ini_;
    const TSkinReader& reader_;
    const TSkinElements& elements_;
};

void ReadEdges(const ElementReader& r, TSkinElements& s) {
    static constexpr std::string_view kEdges[] = {"Left", "Right", "Top", "Bottom"};
    for (int i = 0; i < 4; ++i) {
        const std::string e(kEdges[i]);
        TDataSkinBorder& edge = *s.Edge(i + 1);
        const std::int32_t first = r.Int("Personality", e + "TopHeight", 0);
        const std::int32_t second = r.Int("Personality", e + "BotHeight", 0);
        const bool column = i < 2;
        edge.LeftWidth = column ? 0 : first;
        edge.RightWidth = column ? 0 : second;
        edge.TopHeight = column ? first : 0;
        edge.BottomHeight = column ? second : 0;
        // A frame count of 0 or less would be divided by; one frame is what such a piece holds.
        edge.Frame = std::max(r.Int("Personality", e + "Frame", 1), 1);
        edge.Tile = std::min(r.Int("Personality", e + "Stretch", 1), 1);
        edge.Trans = r.Int("Personality", e + "Trans", 1);
        edge.Image.Assign(r.Image("Personality", e));
    }
}

void ReadColours(const ElementReader& r, const std::vector<std::string>& sections,
                 const TSkinSystem& system, TSkinElements& s) {
    const TQuickIni& ini = r.Ini();
    auto triple = [&](const char* key, TColour def) {
        return ReadColourTriple(ini, "Colours", key, def);
    };
    TSkinColours& c = s.Colours;
    c.WindowText = triple("WindowText", Sys(system, kWindowText));
    c.ButtonFace = triple("ButtonFace", Sys(system, kBtnFace));
    c.Scrollbar = triple("Scrollbar", Sys(system, kScrollbar));
    c.HilightText = triple("HilightText", Sys(system, kHighlightText));
    c.Hilight = triple("Hilight", Sys(system, kHighlight));
    c.Menubar = triple("Menubar", c.ButtonFace);
    c.Menu = triple("Menu", Sys(system, kMenu));
    c.MenuText = triple("MenuText", Sys(system, kMenuText));
    c.ButtonText = triple("ButtonText", Sys(system, kBtnText));
    c.ButtonHilight = triple("ButtonHilight", Sys(system, kBtnHighlight));
    c.Buttonlight = triple("Buttonlight", Sys(system, kBtnHighlight));
    c.ButtonShadow = triple("ButtonShadow", Sys(system, kBtnShadow));
    c.ButtonDkShadow = triple("ButtonDkShadow", Sys(system, k3DDkShadow));
    c.MenuBarText = triple("MenuBarText", Sys(system, kMenuText));
    c.TitleTextActive = triple("TitleTextActive", Sys(system, kCaptionText));
    c.TitleTextNoActive = triple("TitleTextNoActive", Sys(system, kInactiveCaptionText));

    s.ExtraColours.clear();
    for (const std::string& name : sections) {
        const std::string upper = Upper(name);
        if (upper.rfind("COLOUR", 0) == 0 && upper != "COLOURS") {
            s.ExtraColours.push_back(
                ReadColourTriple(ini, name, "color", Sys(system, kWindowText)));
        }
    }
    for (int i = 0; i < 10; ++i) {
        s.CustomColours[i] =
            ReadColourTriple(ini, "Customcolors", "Color" + std::to_string(i), 0xFFFFFF);
    }
}

bool IsTitleButtonSection(const std::string& upper) {
    return upper.rfind("BUTTON", 0) == 0 && upper != "BUTTON" && upper != "BUTTONS" &&
           upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

void AddMdiButtons(const ElementReader& r, TSkinElements& s) {
    static constexpr const char* kNames[] = {"MDIMINIMIZE", "MDIRESTORE", "MDICLOSE"};
    const TBmpImage strip = r.Image("MDICONTROLS", "Image");
    const int column = strip.width / 12;
    for (int i = 0; i < 3; ++i) {
        auto b = std::make_unique<TDataSkinSysButton>(kNames[i]);
        b->Action = 7 + i;
        b->Align = 100;
        b->Visibility = 100;
        b->Visibility1 = 100;
        b->Frame = 4;
        if (!strip.Empty() && column > 0) {
            // Columns 4i to 4i + 3 of twelve equal ones.
            TBmpImage part;
            part.width = 4 * column;
            part.height = strip.height;
            part.bitCount = strip.bitCount;
            part.pixels.reserve(static_cast<std::size_t>(part.width) * strip.height);
            for (int y = 0; y < strip.height; ++y) {
                for (int x = 0; x < part.width; ++x) {
                    part.pixels.push_back(strip.At(4 * i * column + x, y));
                }
            }
            b->Image.Assign(std::move(part));
            b->Xcoord = (column + 4) * (3 - i);
        }
        s.TitleButtons.push_back(std::move(b));
    }
}

void ReadTitleButtons(const ElementReader& r, const std::vector<std::string>& sections,
                      TSkinElements& s) {
    s.TitleButtons.clear();
    for (const std::string& name : sections) {
        const std::string upper = Upper(name);
        if (!IsTitleButtonSection(upper)) {
            continue;
        }
        const std::int32_t action = r.Int(name, "Action", 0);
        if (action == -1 && r.Int(name, "Visibility", -1) != 0) {
            continue;
        }
        auto b = std::make_unique<TDataSkinSysButton>(upper);
        b->Action = action;
        b->Align = r.Int(name, "Align", 0);
        b->Xcoord = r.Int(name, "Xcoord", 0);
        b->Ycoord = r.Int(name, "Ycoord", 0);
        b->Visibility = r.Int(name, "Visibility", 0);
        b->Visibility1 = r.Int(name, "Visibility1", action == -1 ? -1 : 0);
        b->CombineOp = r.Int(name, "CombineOp", -1);
        b->Frame = r.Int(name, "frame", 0);
        b->Image.Assign(r.Image(name, "ButtonImage"));
        if (b->Frame == 0) {
            b->Frame = InferTitleButtonFrames(b->Image.Width(), b->Image.Height(), action);
            // The window-menu button shows the window's icon instead.
            if (action == 3 || action == 11) {
                b->Image.Clear();
            }
        }
        s.TitleButtons.push_back(std::move(b));
    }
    AddMdiButtons(r, s);
}

void ReadButtons(const ElementReader& r, TSkinElements& s) {
    TDataSkinButton& b = *s.Buttons;
    const TQuickIni& ini = r.Ini();
    const char* section = "Buttons";
    b.LeftWidth = r.Int(section, "LeftWidth", 0);
    b.RightWidth = r.Int(section, "RightWidth", 0);
    b.TopHeight = r.Int(section, "TopHeight", 0);
    b.BottomHeight = r.Int(section, "BottomHeight", 0);
    b.Trans = r.Int(section, "Trans", 0);
    b.Image.Assign(r.Image(section, "Bitmap"));
    b.Tile = r.Int(section, "Tile", 0);
    if (b.Tile > 1) {
        b.Tile = 0;
    }
    b.CheckImage.Assign(r.Image(section, "CheckButton"));
    b.RadioImage.Assign(r.Image(section, "RadioButton"));
    b.NormalColour = ReadColourInteger(ini, section, "NormalColour", -1);
    b.MouseOverColour = ReadColourInteger(ini, section, "MouseOverColour", -1);
    b.PressedColour = ReadColourInteger(ini, section, "PressedColour", -1);
    b.RadioButtonFrame = r.Int(section, "RadioButtonFrame", 0);
    b.CheckButtonFrame = r.Int(section, "CheckButtonFrame", 0);
    const TColour text = s.Colours.ButtonText;
    b.HasNormalColour2 = r.HasValue(section, "NormalColour2");
    b.HasMouseOverColour2 = r.HasValue(section, "MouseOverColour2");
    b.HasPressedColour2 = r.HasValue(section, "PressedColour2");
    b.NormalColour2 = ReadColourTriple(ini, section, "NormalColour2", text);
    b.MouseOverColour2 = ReadColourTriple(ini, section, "MouseOverColour2", text);
    b.PressedColour2 = ReadColourTriple(ini, section, "PressedColour2", text);
}

void ReadTitle(const ElementReader& r, TSkinElements& s) {
    TDataSkinTitle& t = *s.Title;
    const char* p = "Personality";
    t.Image.Assign(r.Image(p, "TextBack"));
    t.LeftWidth = r.Int(p, "TextShift", 0);
    t.TopHeight = r.Int(p, "TextShiftVert", 0);
    t.RightWidth = r.Int(p, "TextRightClip", 0);
    t.BottomHeight = 0;
    t.TextAlignment = r.Int(p, "TextAlignment", 0);
    t.Textbackground = r.Int(p, "Textbackground", 0);
    t.TXTBackleft = r.Int(p, "TXTBackleft", 0);
    t.TXTBackRight = r.Int(p, "TXTBackRight", 0);
    t.ActiveText = ReadColourKeys(r.Ini(), p, "ActiveText", TDataSkinTitle::kNotGiven);
    t.InActiveText = ReadColourKeys(r.Ini(), p, "InActiveText", TDataSkinTitle::kNotGiven);
    t.FontHeight = r.Int("Fonts", "FontHeight", 14);
}

std::unique_ptr<TDataSkinBorder> ReadProgress(const ElementReader& r) {
    const char* section = "Progress";
    if (!r.HasValue(section, "Bitmap")) {
        return nullptr;
    }
    auto e = std::make_unique<TDataSkinBorder>(section);
    e->Image.Assign(r.Image(section, "Bitmap"));
    e->Style = r.Int(section, "Style", 0);
    e->LeftWidth = r.Int(section, "LeftWidth", 0);
    e->RightWidth = r.Int(section, "RightWidth", 0);
    e->TopHeight = r.Int(section, "TopHeight", 0);
    e->BottomHeight = r.Int(section, "BottomHeight", 0);
    e->Trans = r.Int(section, "Trans", 0);
    e->Tile = std::min(r.Int(section, "Tile", 0), 1);
    e->Frame = e->Style != 0 ? 1 : 2;
    return e;
}

std::unique_ptr<TDataSkinObject> ReadMenuBar(const ElementReader& r) {
    const char* p = "Personality";
    if (!r.HasValue(p, "menuBar")) {
        return nullptr;
    }
    auto e = std::make_unique<TDataSkinObject>("menuBar");
    e->Image.Assign(r.Image(p, "menuBar"));
    e->LeftWidth = r.Int(p, "TileLeftMenu", 1);
    e->RightWidth = r.Int(p, "TileRightMenu", 1);
    e->Tile = std::min(r.Int(p, "TileMenu", 1), 1);
    e->Frame = 2;
    return e;
}

template <class T>
std::unique_ptr<T> WithSecondImage(const ElementReader& r, std::string_view section,
                                   std::string_view key) {
    auto e = r.Section<T>(section, false);
    if (e) {
        e->Image2.Assign(r.Image(section, key));
    }
    return e;
}

void SetFrame(TDataSkinObject* e, int frames) {
    if (e) {
        e->Frame = frames;
    }
}

std::unique_ptr<TDataSkinObject> BuiltinTrack(const char* name, TBmpImage image) {
    auto e = std::make_unique<TDataSkinObject>(name);
    e->Image.Assign(std::move(image));
    e->LeftWidth = e->TopHeight = e->RightWidth = e->BottomHeight = 3;
    e->Tile = 0;
    e->Frame = 1;
    return e;
}

void ReadSectionElements(const ElementReader& r, TSkinElements& s) {
    s.Progress = ReadProgress(r);
    s.ProgressChunk = r.Section<TDataSkinObject>("Progress.Chunk");
    s.MenuBar = ReadMenuBar(r);
    s.GroupBoxEdge = r.Section<TDataSkinObject>("GroupBoxEdge");
    s.GroupBox = r.Section<TDataSkinBoxLabel>("GroupBox", false);
    if (s.GroupBox) {
        s.GroupBox->BackgroundAlignment = r.Int("GroupBox", "BackgroundAlignment", 0);
        s.GroupBox->BackgroundLeftShift = r.Int("GroupBox", "BackgroundLeftShift", 0);
        s.GroupBox->BackgroundRightShift = r.Int("GroupBox", "BackgroundRightShift", 0);
    }
    s.Tabs = WithSecondImage<TDataSkinBorder>(r, "Tabs", "Border");
    s.StatusBarEdges = r.Section<TDataSkinObject>("StatusBarEdges");
    s.TabPane = r.Section<TDataSkinObject>("Tab.Pane");
    if (s.TabPane) {
        for (std::int32_t* m : {&s.TabPane->LeftWidth, &s.TabPane->TopHeight,
                                &s.TabPane->RightWidth, &s.TabPane->BottomHeight}) {
            *m = std::min(*m, 4);
        }
    }
    s.ToolBars = r.Section<TDataSkinObject>("ToolBars");
    // The second-image key of the combo button is one no description can usefully hold.
    s.ComboButton = WithSecondImage<TDataSkinBorder>(r, "ComboButton", "****");
    s.SunkEdge = r.Section<TDataSkinObject>("SunkEdge");
    if (s.ComboButton && !s.ComboButton->Image.Empty()) {
        s.ComboButton->Image2.Assign(MirrorImage(s.ComboButton->Image.Pixels()));
    }
    s.ExtraImages = r.Section<TDataSkinObject>("ExtraImages");
    s.Headerbar = r.Section<TDataSkinObject>("Headerbar");
    s.MenuItem = r.Section<TDataSkinObject>("MenuItem");
    s.MenuBackground = r.Section<TDataSkinObject>("MenuBackground");
    s.Scrollbar = r.Section<TDataSkinObject>("Scrollbar");
    s.HorzScroll = r.Section<TDataSkinObject>("HorzScroll");
    s.VertScroll = r.Section<TDataSkinObject>("VertScroll");
    s.HorzScrollThumb = r.Section<TDataSkinObject>("HorzScrollThumb");
    s.VertScrollThumb = r.Section<TDataSkinObject>("VertScrollThumb");
    s.TrackbarThumbHorz = r.Section<TDataSkinObject>("Trackbar.ThumbHorz");
    s.TrackbarThumbVert = r.Section<TDataSkinObject>("Trackbar.ThumbVert");
    s.TrackbarThumbLeft = r.Section<TDataSkinObject>("Trackbar.ThumbLeft");
    s.TrackbarThumbRight = r.Section<TDataSkinObject>("Trackbar.ThumbRight");
    s.TrackbarThumbUp = r.Section<TDataSkinObject>("Trackbar.ThumbUp");
    s.TrackbarThumbDown = r.Section<TDataSkinObject>("Trackbar.ThumbDown");
    s.UpDownHorz = WithSecondImage<TDataSkinBorder>(r, "UpDown.Horz", "GlyphImage");
    s.UpDownVert = WithSecondImage<TDataSkinBorder>(r, "UpDown.Vert", "GlyphImage");
    s.Track = r.Section<TDataSkinObject>("Track");
    if (!s.Track) {
        s.Track = BuiltinTrack("Track", BuiltinTrackImage());
    }
    s.TRACKVERT = r.Section<TDataSkinObject>("TRACKVERT");
    if (!s.TRACKVERT) {
        s.TRACKVERT = BuiltinTrack("TRACKVERT", BuiltinTrackVertImage());
    }
}

void SetFrameCounts(const ElementReader& r, TSkinElements& s) {
    TDataSkinButton& b = *s.Buttons;
    b.Frame = 5;
    if (b.RadioButtonFrame == 0) {
        b.RadioButtonFrame = InferCheckFrames(b.RadioImage.Width(), b.RadioImage.Height());
    }
    if (b.CheckButtonFrame == 0) {
        b.CheckButtonFrame = InferCheckFrames(b.CheckImage.Width(), b.CheckImage.Height());
    }
    s.Title->Frame = 2;
    SetFrame(s.GroupBoxEdge.get(), 2);
    SetFrame(s.GroupBox.get(), 1);
    SetFrame(s.Tabs.get(), 5);
    SetFrame(s.StatusBarEdges.get(), 3);
    SetFrame(s.TabPane.get(), 1);
    SetFrame(s.ToolBars.get(), 5);
    SetFrame(s.ComboButton.get(), 4);
    SetFrame(s.SunkEdge.get(), 4);
    SetFrame(s.ExtraImages.get(), 5);
    if (s.Headerbar && s.Headerbar->Frame == 0) {
        s.Headerbar->Frame = 5;
    }
    SetFrame(s.MenuItem.get(), 5);
    SetFrame(s.MenuBackground.get(), 1);
    SetFrame(s.Scrollbar.get(), 23);
    SetFrame(s.HorzScroll.get(), 4);
    SetFrame(s.VertScroll.get(), 4);
    SetFrame(s.HorzScrollThumb.get(), r.Int("HorzScrollThumb", "FrameCount", 3));
    SetFrame(s.VertScrollThumb.get(), r.Int("VertScrollThumb", "FrameCount", 3));
    for (TDataSkinObject* thumb :
         {s.TrackbarThumbHorz.get(), s.TrackbarThumbVert.get(), s.TrackbarThumbLeft.get(),
          s.TrackbarThumbRight.get(), s.TrackbarThumbUp.get(), s.TrackbarThumbDown.get()}) {
        SetFrame(thumb, 5);
    }
    SetFrame(s.UpDownHorz.get(), 8);
    SetFrame(s.UpDownVert.get(), 8);
}

// A 10 x 40 vertical gradient from the face colour lightened to a grey mixed with the border
// colour; a strongly saturated border colour is mixed with white instead.
TBmpImage ToolbarGradient(const TSkinElements& s, const TSkinSystem& system) {
    const TColour c = s.BorderColour;
    const std::uint32_t top =
        skin::BlendColour(s.Colours.ButtonFace, 0xFFFFFF, 150, system.SysColour);
    std::uint32_t bottom = skin::BlendColour(0x808080, c, 150, system.SysColour);
    const int saturation = skin::ColourSaturation(c, system.SysColour);
    if (saturation > 110) {
        bottom =
            skin::BlendColour(c, 0xFFFFFF, (5625 - 25 * saturation) / 140 + 50, system.SysColour);
    }
    TBmpImage image;
    image.width = 10;
    image.height = 40;
    image.bitCount = 24;
    for (int y = 0; y < image.height; ++y) {
        const std::uint32_t colour = skin::GradientEntry(top, bottom, image.height, y);
        image.pixels.insert(image.pixels.end(), image.width,
                            PixelOfColour(static_cast<TColour>(colour)));
    }
    return image;
}

} // namespace

TSkinElements::TSkinElements()
    : Buttons(std::make_unique<TDataSkinButton>("Buttons")),
      Title(std::make_unique<TDataSkinTitle>("Title")),
      Left(std::make_unique<TDataSkinBorder>("Left")),
      Right(std::make_unique<TDataSkinBorder>("Right")),
      Top(std::make_unique<TDataSkinBorder>("Top")),
      Bottom(std::make_unique<TDataSkinBorder>("Bottom")),
      Track(std::make_unique<TDataSkinObject>("Track")),
      TRACKVERT(std::make_unique<TDataSkinObject>("TRACKVERT")),
      Toolbar(std::make_unique<TDataSkinObject>("Toolbar")),
      ComboxArrow(std::make_unique<TDataSkinObject>("ComboxArrow")) {}

TDataSkinBorder* TSkinElements::Edge(int number) const {
    switch (number) {
    case 1:
        return Left.get();
    case 2:
        return Right.get();
    case 3:
        return Top.get();
    case 4:
        return Bottom.get();
    default:
        return nullptr;
    }
}

int InferTitleButtonFrames(int width, int height, int action) {
    if (width <= 0 || height <= 0 || action < 0) {
        return 6;
    }
    // width / height <= 3.8, in whole numbers.
    return static_cast<std::int64_t>(width) * 10 <= static_cast<std::int64_t>(height) * 38 ? 3 : 6;
}

int InferCheckFrames(int width, int height) {
    const int cell = height < 16 ? 13 : 16;
    return std::max(width / cell, 4);
}

TColour WorkOutBorderColour(const TDataSkinBorder& top, TColour buttonFace) {
    const TBmpImage& image = top.Image.Pixels();
    if (image.Empty()) {
        return buttonFace;
    }
    const int x = image.width / 3;
    const int y = (image.height / top.Frames()) / 3;
    return ColourOfPixel(image.At(x, y));
}

TBmpImage ComboArrowFromButton(const TBmpImage& button, TColour buttonFace) {
    TBmpImage out = button;
    const std::uint32_t face = PixelOfColour(buttonFace);
    for (std::uint32_t& p : out.pixels) {
        if ((p & 0xFFFFFF) == 0xFF00FF) {
            p = face;
        }
    }
    return out;
}

TBmpImage ComboArrowFromStrip(const TBmpImage& strip, int frames) {
    TBmpImage out;
    if (strip.Empty() || frames < 1) {
        return out;
    }
    const int f = strip.width / frames;
    out.width = 17 * frames;
    out.height = 17;
    out.bitCount = 24;
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, 0xFF00FF);
    for (int i = 0; i < frames; ++i) {
        const int left = f * (i + 1) - 19;
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 17; ++x) {
                const int sx = left + x;
                const int sy = 2 + y;
                if (sx < 0 || sx >= strip.width || sy >= strip.height) {
                    continue;
                }
                out.pixels[static_cast<std::size_t>(y) * out.width + 17 * i + x] = strip.At(sx, sy);
            }
        }
    }
    return out;
}

TBmpImage MirrorImage(const TBmpImage& image) {
    TBmpImage out = image;
    out.bitCount = 24;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            out.pixels[static_cast<std::size_t>(y) * image.width + x] =
                image.At(image.width - 1 - x, y);
        }
    }
    return out;
}

void ReadSkinElements(const TQuickIni& ini, const TSkinReader& reader, const TSkinSystem& system,
                      TSkinElements& s) {
    const ElementReader r(ini, reader, s);
    std::vector<std::string> sections;
    ini.ReadSectionNames(sections);
    s.SkinName = ini.ReadString("TitlebarSkin", "SkinName", "");
    ReadEdges(r, s);
    ReadColours(r, sections, system, s);
    ReadTitleButtons(r, sections, s);
    ReadButtons(r, s);
    ReadTitle(r, s);
    ReadSectionElements(r, s);
    SetFrameCounts(r, s);
    s.ComboxArrow->Image.Clear();
    s.ComboxArrow->Frame = 0;
    if (!s.SunkEdge && s.ComboButton) {
        s.ComboxArrow->Image.Assign(
            ComboArrowFromButton(s.ComboButton->Image.Pixels(), s.Colours.ButtonFace));
        s.ComboxArrow->Frame = s.ComboButton->Frame;
    }
    s.BorderColour = WorkOutBorderColour(*s.Top, s.Colours.ButtonFace);
    s.Toolbar->Image.Assign(ToolbarGradient(s, system));
    s.Toolbar->Frame = 1;
}
