#include "gallery/GalleryForm.h"

#include "framework/Bitmap.h"
#include "framework/Buttons.h"
#include "framework/ImgList.h"
#include "skin/VarUdedData.h"

namespace {

// A 16 x 16 glyph: a green tick on a magenta ground, the magenta left out when drawn.
void DrawTick(TBitmap& glyph) {
    constexpr std::uint32_t kGround = 0xFF00FF;
    constexpr std::uint32_t kTick = 0x2E8B3A;
    std::vector<std::uint32_t> pixels(16 * 16, kGround);
    auto dot = [&](int x, int y) {
        for (int dy = 0; dy < 2; ++dy) {
            for (int dx = 0; dx < 2; ++dx)
                pixels[static_cast<std::size_t>(y + dy) * 16 + x + dx] = kTick;
        }
    };
    for (int i = 0; i < 4; ++i)
        dot(2 + i, 8 + i);
    for (int i = 0; i < 8; ++i)
        dot(6 + i, 11 - i);
    glyph.LoadFromPixels(16, 16, pixels);
    glyph.SetTransparent(true);
    glyph.SetTransparentColor(static_cast<TColor>(0xFF00FF));
}

} // namespace

const TClassInfo& TGalleryMenuButton::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TGalleryMenuButton, TButton>("TGalleryMenuButton", nullptr, true);
    return info;
}

const TClassInfo& TGalleryForm::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TGalleryForm, TForm>("TGalleryForm", nullptr, false);
    return info;
}

void RegisterGalleryClasses() {
    RegisterComponentClass(TGalleryMenuButton::StaticClassInfo());
}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
    LoadFromResource(L"GALLERY");
    SkinData().Skin3rd()->Add(kMenuButtonLine);
    GiveGlyphs();
}

TSkinData& TGalleryForm::SkinData() const {
    return *Control<TSkinData>(L"SkinData1");
}

void TGalleryForm::GiveGlyphs() {
    TBitmap tick;
    DrawTick(tick);
    for (const wchar_t* name : {L"BitBtn1", L"BitBtn2", L"BitBtn3"})
        Control<TBitBtn>(name)->SetGlyph(tick);
    Control<TSpeedButton>(L"SpeedButton1")->SetGlyph(tick);
    // The menus' image 0.
    Control<TImageList>(L"MenuImages")->AddMasked(tick.Handle(), RGB(255, 0, 255));
}
