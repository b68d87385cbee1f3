#pragma once
// TSkinData: the component an application puts on its main form to have its windows skinned.
// It holds the packed skin, turns it into the element model at each load, adds what the
// painters need of the system (caption font, face brush, application icon, window-menu
// glyphs), and tells the skin manager when skinning is to start, stop or be refreshed.

#include "framework/Bitmap.h"
#include "framework/Classes.h"
#include "framework/ImgList.h"
#include "skin/GdiOwners.h"
#include "skin/SkinElements.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Kinds of user-interface element that are skinned (bit n of SkinControls is member n).
enum TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport,
};

// Behaviour switches (bit n of Options is member n).
enum TSkinOption {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoMDIChildBorder,
    xoMenuBG,
    xoFormScrollbar,
};

// sfMainform skins every window of the application; sfOnlyThisForm only its own form; sfDialog
// supplies the skin of message boxes and standard dialogs; sfDLL takes no part here.
enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

constexpr unsigned SkinBit(int member) {
    return 1u << member;
}

class TControl;
class TSkinManage;

class TSkinData : public TComponent {
    DEVTOOL_CLASS(TSkinData)
public:
    static constexpr const wchar_t* kVersion = L"4.11.07.25";
    // The delay before the manager carries out a start, stop or refresh request.
    static constexpr int kRequestDelayMs = 250;
    // Every kind from xcMainMenu to xcSystemMenu except xcMenuItem.
    static constexpr unsigned kDefaultSkinControls =
        ((1u << (xcSystemMenu + 1)) - 1) & ~SkinBit(xcMenuItem);
    static constexpr unsigned kDefaultOptions = SkinBit(xoPreview) | SkinBit(xoToolbarBK);

    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    // Published properties.
    bool Active() const { return active_; }
    void SetActive(bool active);
    int DisableTag() const { return disableTag_; }
    void SetDisableTag(int tag) { disableTag_ = tag; }
    unsigned SkinControls() const { return skinControls_; }
    void SetSkinControls(unsigned kinds) { skinControls_ = kinds; }
    bool Skins(TSkinControlType kind) const { return (skinControls_ & SkinBit(kind)) != 0; }
    unsigned Options() const { return options_; }
    void SetOptions(unsigned options) { options_ = options; }
    bool HasOption(TSkinOption option) const { return (options_ & SkinBit(option)) != 0; }
    TStringList* Skin3rd() { return &skin3rd_; }
    const std::wstring& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::wstring& path);
    std::wstring SkinStoreText() const { return L"(none)"; }
    // Writes to the display-only properties (SkinStore, Version) are ignored.
    void IgnoreText(const std::wstring&) {}
    TSkinFormType SkinFormtype() const { return formType_; }
    void SetSkinFormtype(TSkinFormType type) { formType_ = type; }
    std::wstring Version() const { return kVersion; }
    bool MenuUpdate() const { return menuUpdate_; }
    void SetMenuUpdate(bool v) { menuUpdate_ = v; }
    bool MenuMerge() const { return menuMerge_; }
    void SetMenuMerge(bool v) { menuMerge_ = v; }

    // Events.
    std::function<void(TObject* sender, const std::wstring& className, bool& doSkin)> OnFormSkin;
    std::function<void(TObject*)> OnSkinChanged;
    std::function<void(TComponent* sender, TSkinData* skinData, TControl* form, TControl* control,
                       const std::wstring& controlClass, TComponent*& skinnedControl)>
        OnSkinControl;
    std::function<void(TObject* sender, HWND window, const std::wstring& className)>
        OnBeforeSkinForm;
    std::function<void(TObject* sender, HWND window, const std::wstring& className)>
        OnAfterSkinForm;

    // The packed skin: a 32-bit length, then the packed bytes.
    std::vector<std::uint8_t> SkinStream() const;
    void SetSkinStream(const std::vector<std::uint8_t>& bytes);
    // Replaces the packed skin and loads it at once. True when the load succeeded.
    bool LoadFromPacked(std::vector<std::uint8_t> packed);

    // The element model of the last load.
    const TSkinElements& Elements() const { return elements_; }
    const TSkinColours& Colours() const { return elements_.Colours; }
    // True until a load succeeds (and from the start of each load).
    bool NoSkin() const { return noSkin_; }
    // The frame painters stay still while this is off.
    bool PaintFrames() const { return paintFrames_; }
    void SetPaintFrames(bool on) { paintFrames_ = on; }

    HBRUSH FaceBrush() const { return faceBrush_.Get(); }
    // The system's caption font (a default font when the system does not say).
    TFont* CaptionFont() { return &captionFont_; }
    // The application's small icon on magenta, transparent.
    TBitmap* AppIcon() { return &appIcon_; }
    // Restore, maximize, minimize and close glyphs, 16 x 16, white transparent.
    TImageList* MenuGlyphs() { return menuGlyphs_; }

    // Whether a top-level window of this class is to be skinned (the window filter).
    bool WantsWindow(const std::wstring& className);
    // The skinner kind the Skin3rd list gives a control class ("" when it names none).
    std::wstring Skin3rdKind(const std::wstring& className) const;

    // Fills Skin3rd with the built-in mapping of other vendors' control classes.
    void ResetSkin3rd();
    // The built-in mapping, one "class=kind" line each.
    static const std::vector<std::wstring>& DefaultSkin3rd();

    void Loaded() override;
    // The skin manager this component registered with, if any.
    TSkinManage* Manager() const { return manager_; }
    void SetManager(TSkinManage* manager) { manager_ = manager; }

    // The system's caption font, read again (at start-up and when the system changes it).
    void ReadCaptionFont();
    // The application window's small icon, drawn on magenta.
    void ReadAppIcon();

private:
    bool LoadSkin();
    // A new skin was loaded at run time: the windows using this component are refreshed.
    void SkinReplaced();
    void SetSkin3rdLines(const std::vector<std::wstring>& lines);

    bool active_ = false;
    int disableTag_ = 99;
    unsigned skinControls_ = kDefaultSkinControls;
    unsigned options_ = kDefaultOptions;
    TStringList skin3rd_;
    std::wstring skinFile_;
    TSkinFormType formType_ = TSkinFormType::sfMainform;
    bool menuUpdate_ = true;
    bool menuMerge_ = false;

    std::vector<std::uint8_t> packed_;
    TSkinElements elements_;
    bool noSkin_ = true;
    bool paintFrames_ = true;
    skin::GdiBrush faceBrush_;
    TFont captionFont_;
    TBitmap appIcon_;
    TImageList* menuGlyphs_ = nullptr; // owned as a component
    TSkinManage* manager_ = nullptr;
};

extern const TEnumInfo SkinControlTypeNames;
extern const TEnumInfo SkinOptionNames;
extern const TEnumInfo SkinFormTypeNames;
