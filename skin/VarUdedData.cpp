#include "skin/VarUdedData.h"

#include "framework/Forms.h"
#include "skin/SkinImageGdi.h"
#include "skin/SkinManage.h"
#include "skin/SkinRead.h"
#include "skin/VarUdedIni.h"

#include <algorithm>
#include <cstring>
#include <cwctype>

const TEnumInfo SkinControlTypeNames{{
    L"xcMainMenu",   L"xcPopupMenu",  L"xcMenuItem",    L"xcToolbar",     L"xcControlbar",
    L"xcCombo",      L"xcCheckBox",   L"xcRadioButton", L"xcProgress",    L"xcScrollbar",
    L"xcEdit",       L"xcButton",     L"xcBitBtn",      L"xcSpeedButton", L"xcSpin",
    L"xcPanel",      L"xcGroupBox",   L"xcStatusBar",   L"xcTab",         L"xcTrackBar",
    L"xcSystemMenu", L"xcFastReport",
}};

const TEnumInfo SkinOptionNames{{
    L"xoMDIScrollbar",
    L"xoMenuMerge",
    L"xoTransparent",
    L"xoPreview",
    L"xoParentBackGround",
    L"xoNoFocusRect",
    L"xoToolbarBK",
    L"xoMDIChildBorder",
    L"xoMenuBG",
    L"xoFormScrollbar",
}};

const TEnumInfo SkinFormTypeNames{{L"sfMainform", L"sfOnlyThisForm", L"sfDialog", L"sfDLL"}};

namespace {

std::uint32_t SystemColour(int index) {
    return GetSysColor(index);
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(towlower(c));
    }
    return text;
}

} // namespace

const TClassInfo& TSkinData::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TSkinData, TComponent>(
        "TSkinData",
        [](PropBuilder<TSkinData>& b) {
            b.Bool("Active", &TSkinData::Active, &TSkinData::SetActive)
                .Int("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
                .Set("SkinControls", SkinControlTypeNames, &TSkinData::SkinControls,
                     &TSkinData::SetSkinControls)
                .Set("Options", SkinOptionNames, &TSkinData::Options, &TSkinData::SetOptions)
                .Object("Skin3rd", &TSkinData::Skin3rd)
                .Str("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
                .Str("SkinStore", &TSkinData::SkinStoreText, &TSkinData::IgnoreText)
                .Enum("SkinFormtype", SkinFormTypeNames, &TSkinData::SkinFormtype,
                      &TSkinData::SetSkinFormtype)
                .Str("Version", &TSkinData::Version, &TSkinData::IgnoreText)
                .Bool("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
                .Bool("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
                .NotifyEvent("OnSkinChanged", &TSkinData::OnSkinChanged)
                .Binary("SkinStream", &TSkinData::SkinStream, &TSkinData::SetSkinStream);
        },
        true);
    return info;
}

TSkinData::TSkinData(TComponent* owner) : TComponent(owner) {
    ResetSkin3rd();
    menuGlyphs_ = new TImageList(this);
    menuGlyphs_->SetWidth(16);
    menuGlyphs_->SetHeight(16);
    TBitmap glyphs;
    const TBmpImage art = BuiltinMenuGlyphs();
    if (glyphs.LoadFromPixels(art.width, art.height, art.pixels))
        menuGlyphs_->AddMasked(glyphs.Handle(), 0xFFFFFF);
}

TSkinData::~TSkinData() {
    if (manager_ && SkinManager() == manager_)
        manager_->Unregister(this);
}

const std::vector<std::wstring>& TSkinData::DefaultSkin3rd() {
    static const std::vector<std::wstring> lines = [] {
        struct Group {
            const wchar_t* kind;
            std::vector<const wchar_t*> classes;
        };
        const Group groups[] = {
            {L"scrollbar",
             {L"TCategoryButtons", L"TVirtualStringTree", L"TVirtualDrawTree", L"TAdvPanelGroup",
              L"THTMLViewer", L"TDBCtrlGrid", L"TImageEnMView", L"TImageEnView", L"TAdvMemo",
              L"TDBAdvMemo"}},
            {L"pngbitbtn", {L"TPngBitBtn"}},
            {L"Panel", {L"TTBXDockablePanel", L"TControlBar", L"TTBDock", L"TTBToolbar"}},
            {L"panel", {L"TRzGroup", L"TLMDCalculator", L"TLMDTrackbar"}},
            {L"Panel",
             {L"TLMDGROUPBOX", L"TLMDSIMPLEPANEL", L"TLMDDBCalendar", L"TLMDButtonPanel",
              L"TLMDLMDCalculator", L"TLMDHeaderPanel", L"TLMDTechnicalLine", L"TLMDLMDClock"}},
            {L"combobox",
             {L"TComboboxex",          L"TcxDBLookupComboBox",    L"TcxDBComboBox",
              L"TcxDBDateEdit",        L"TcxDBImageComboBox",     L"TcxDBCalcEdit",
              L"TcxDBBlobEdit",        L"TcxDBPopupEdit",         L"TcxDBFontNameComboBox",
              L"TcxDBShellComboBox",   L"TRxLookupEdit",          L"TRxDBLookupCombo",
              L"TRzDateTimeEdit",      L"TRzColorEdit",           L"TRzDateTimePicker",
              L"TRzDBDateTimeEdit",    L"TRzDbColorEdit",         L"TRzDBDateTimePicker",
              L"TLMDListCombobox",     L"TLMDCheckListCombobox",  L"TLMDHeaderListCombobox",
              L"TLMDImageCombobox",    L"TLMDColorCombobox",      L"TLMDFontCombobox",
              L"TLMDFontSizeCombobox", L"TLMDFontSizeCombobox",   L"TLMDPrinterCombobox",
              L"TLMDDriveCombobox",    L"TLMDCalculatorComboBox", L"TLMDTrackBarComboBox",
              L"TLMDCalendarComboBox", L"TLMDTreeComboBox",       L"TWWTempKeyCombo"}},
            {L"Combobox",
             {L"TDBLookupCombobox", L"TWWDBCombobox", L"TWWDBCombobox", L"TWWDBLookupCombo",
              L"TWWKeyCombo", L"TWWDBDateTimePicker"}},
            {L"speedbutton", {L"TRxSpeedButton", L"TfrSpeedButton", L"TfrTBButton"}},
            {L"button", {L"TRzButton"}},
            {L"bitbtn", {L"TRzBitbtn", L"TLMDButton", L"TcxButton"}},
            {L"menubtn", {L"TRzMenuButton"}},
            {L"CheckGroup", {L"TRzCheckGroup", L"TLMDCheckGroup", L"TLMDDBCheckGroup"}},
            {L"Radiogroup", {L"TRzRadioGroup", L"TRzDBRadioGroup"}},
            {L"radiogroup",
             {L"TLMDRADIOGROUP", L"TLMDDBRADIOGROUP", L"TWWRADIOGROUP", L"TcxDBRadioGroup",
              L"TcxRadioGroup"}},
            {L"Radiobutton", {L"TRzDBRadioButton", L"TLMDRadiobutton"}},
            {L"Edit", {L"TRzButtonEdit",     L"TLMDEDIT",           L"TLMDMASKEDIT",
                       L"TLMDBROWSEEDIT",    L"TLMDEXTSPINEDIT",    L"TLMDCALENDAREDIT",
                       L"TLMDFILEOPENEDIT",  L"TLMDFILESAVEEDIT",   L"TLMDCOLOREDIT",
                       L"TLMDDBEDIT",        L"TLMDDBMASKEDIT",     L"TLMDDBEXTSPINEDIT",
                       L"TLMDDBSPINEDIT",    L"TLMDDBEDITDBLookup", L"TLMDEDITDBLookup",
                       L"TWWDBEDIT",         L"TOVCPICTUREFIELD",   L"TOVCDBPICTUREFIELD",
                       L"TOVCSLIDEREDIT",    L"TOVCDBSLIDEREDIT",   L"TOVCSIMPLEFIELD",
                       L"TOVCDBSIMPLEFIELD", L"TO32DBFLEXEDIT",     L"TOVCNUMERICFIELD",
                       L"TOVCDBNUMERICFIELD"}},
            {L"edit", {L"TLMDCalculatorEdit"}},
            {L"Groupbox", {L"TLMDGroupBox"}},
            {L"groupbox", {L"TcxGroupbox"}},
            {L"Checkbox", {L"TDBCheckboxEh", L"TDBCheckboxEh", L"TLMDCHECKBOX", L"TLMDDBCHECKBOX"}},
        };
        std::vector<std::wstring> out;
        for (const Group& g : groups) {
            for (const wchar_t* c : g.classes)
                out.push_back(std::wstring(c) + L"=" + g.kind);
        }
        return out;
    }();
    return lines;
}

void TSkinData::ResetSkin3rd() {
    skin3rd_.Assign(DefaultSkin3rd());
}

std::wstring TSkinData::Skin3rdKind(const std::wstring& className) const {
    const std::wstring prefix = Lower(className) + L"=";
    for (int i = 0; i < skin3rd_.Count(); ++i) {
        const std::wstring line = Lower(skin3rd_.Get(i));
        if (line.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::wstring kind = line.substr(line.find(L'=') + 1);
        return kind.substr(0, 50);
    }
    return {};
}

bool TSkinData::WantsWindow(const std::wstring& className) {
    bool doSkin = true;
    if (!HasOption(xoPreview) && Lower(className).find(L"preview") != std::wstring::npos)
        doSkin = false;
    if (OnFormSkin) {
        OnFormSkin(this, className, doSkin);
        return doSkin;
    }
    if (className == L"SysMonthCal32")
        return false;
    if (Skins(xcFastReport) && className.rfind(L"Tfr", 0) == 0)
        return false;
    return doSkin;
}

void TSkinData::SetActive(bool active) {
    if (Loading()) {
        active_ = active;
        return;
    }
    if (active && noSkin_)
        return;
    active_ = active;
    TSkinManage* manager = Manager();
    if (!manager)
        return;
    switch (formType_) {
    case TSkinFormType::sfMainform:
        // The stop names its component too, so the timer has a request to carry out.
        manager->SetPendingComponent(this);
        if (active) {
            manager->MarkStarted();
            manager->Request(TSkinManage::Start, kRequestDelayMs);
        } else {
            manager->Request(TSkinManage::Stop, kRequestDelayMs);
        }
        break;
    case TSkinFormType::sfOnlyThisForm:
        manager->SetPendingComponent(this);
        manager->Request(active ? TSkinManage::Start : TSkinManage::Stop, kRequestDelayMs);
        break;
    default:
        break;
    }
}

void TSkinData::SkinReplaced() {
    if (Loading() || noSkin_)
        return;
    if (!manager_)
        Loaded();
    if (!manager_)
        return;
    manager_->SetPendingComponent(this);
    manager_->ReloadWindows();
    if (manager_->Started != 0)
        manager_->Request(TSkinManage::Refresh, kRequestDelayMs);
}

std::vector<std::uint8_t> TSkinData::SkinStream() const {
    std::vector<std::uint8_t> out;
    out.reserve(packed_.size() + 4);
    const auto size = static_cast<std::uint32_t>(packed_.size());
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(size >> shift));
    out.insert(out.end(), packed_.begin(), packed_.end());
    return out;
}

void TSkinData::SetSkinStream(const std::vector<std::uint8_t>& bytes) {
    packed_.clear();
    std::int32_t size = 0;
    if (bytes.size() >= 4)
        std::memcpy(&size, bytes.data(), 4);
    if (size <= 0) {
        noSkin_ = true;
        return;
    }
    // A stream shorter than its length holds what is there.
    const std::size_t have =
        std::min<std::size_t>(static_cast<std::size_t>(size), bytes.size() - 4);
    packed_.assign(bytes.begin() + 4, bytes.begin() + 4 + static_cast<std::ptrdiff_t>(have));
    LoadSkin();
}

bool TSkinData::LoadFromPacked(std::vector<std::uint8_t> packed) {
    packed_ = std::move(packed);
    if (!LoadSkin())
        return false;
    SkinReplaced();
    return true;
}

void TSkinData::SetSkinFile(const std::wstring& path) {
    skinFile_ = path;
    noSkin_ = true;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::vector<std::uint8_t> bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (64ll << 20)) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
            read = 0;
        bytes.resize(read);
    }
    CloseHandle(file);
    packed_ = std::move(bytes);
    if (LoadSkin())
        SkinReplaced();
}

bool TSkinData::LoadSkin() {
    noSkin_ = true;
    TSkinReader reader;
    const bool read = reader.ReadPackage(packed_, [](std::string_view text) {
        if (Application)
            Application->MessageBox(WideFromUtf8(std::string(text)), Application->Title(), MB_OK);
    });
    if (!read)
        return false;
    TByteBuffer description;
    std::string name;
    reader.FindEntry(".ini", description, name);
    TQuickIni ini;
    ini.LoadFromStream(description);
    TSkinSystem system;
    system.SysColour = SystemColour;
    system.ScrollArrowWidth = GetSystemMetrics(SM_CXHSCROLL);
    elements_ = TSkinElements();
    ReadSkinElements(ini, reader, system, elements_);
    BuildComboImages(elements_, system.ScrollArrowWidth);
    faceBrush_.Reset(CreateSolidBrush(static_cast<COLORREF>(elements_.Colours.ButtonFace)));
    noSkin_ = false;
    return true;
}

void TSkinData::ReadCaptionFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        captionFont_.AssignLogFont(metrics.lfCaptionFont);
}

void TSkinData::ReadAppIcon() {
    HICON icon = nullptr;
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (main && main->HandleAllocated()) {
        HWND window = main->Handle();
        icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
        if (!icon)
            icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    }
    if (!icon && Application)
        icon = Application->Icon();
    if (!icon)
        return;
    const int cx = GetSystemMetrics(SM_CXSMICON);
    const int cy = GetSystemMetrics(SM_CYSMICON);
    HICON small = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
    appIcon_.SetSize(cx, cy);
    if (appIcon_.Empty()) {
        if (small)
            DestroyIcon(small);
        return;
    }
    TCanvas* canvas = appIcon_.Canvas();
    canvas->Brush()->SetColor(0xFF00FF);
    canvas->FillRect(RECT{0, 0, cx, cy});
    DrawIconEx(canvas->Handle(), 0, 0, small ? small : icon, cx, cy, 0, nullptr, DI_NORMAL);
    if (small)
        DestroyIcon(small);
    appIcon_.SetTransparentColor(0xFF00FF);
    appIcon_.SetTransparent(true);
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    using GetScrollBarInfoFn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32 || !reinterpret_cast<GetScrollBarInfoFn>(
                       reinterpret_cast<void*>(GetProcAddress(user32, "GetScrollBarInfo"))))
        skinControls_ &= ~SkinBit(xcScrollbar);
    TSkinManage& manager = EnsureSkinManager();
    manager.Register(this);
    manager_ = &manager;
    ReadCaptionFont();
    if (formType_ != TSkinFormType::sfMainform) {
        manager.CountStarter();
        auto* form = dynamic_cast<TCustomForm*>(Owner());
        if (form && active_ && !noSkin_ && form->HandleAllocated())
            manager.SkinWindow(form->Handle());
        return;
    }
    manager.InstallHook();
    if (active_) {
        if (noSkin_)
            active_ = false;
        else
            manager.Request(TSkinManage::Start, kRequestDelayMs);
    }
    if (Skins(xcMainMenu))
        skinControls_ &= ~SkinBit(xcMenuItem);
    else
        skinControls_ &= ~SkinBit(xcSystemMenu);
    ReadAppIcon();
}
