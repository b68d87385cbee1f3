// Times the skinned main window against the same window unskinned, in one process: start-up to
// a shown window, one frame paint, a frame of a changed look, and a full repaint; and the full
// repaint of the skin gallery, whose window holds every standard control, skinned against
// unskinned. Prints milliseconds.
//   skin_timing [rounds]

#include "app/Form1.h"
#include "bench/skin/BenchSupport.h"
#include "gallery/GalleryForm.h"
#include "skin/ControlSkinner.h"
#include "skin/SkinClasses.h"
#include "skin/SkinManage.h"
#include "skin/VarUdedData.h"
#include "skin/VarUdedForm.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {

using bench::ActiveSkinner;
using bench::Median;
using bench::MedianOf;
using bench::Pump;
using bench::Time;

void FullRepaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Makes and shows the main window, pumping until it is ready: skinned (its skinner active) or
// left with the system's frame.
double StartUp(bool skinned) {
    const auto start = std::chrono::steady_clock::now();
    {
        TForm1 form(nullptr);
        SkinManager()->Enabled = skinned;
        form.Show();
        Pump();
        const HWND window = form.Handle();
        for (int i = 0; skinned && i < 400; ++i) {
            const TVarUdedForm* skinner = SkinManager()->SkinnerOf(window);
            if (skinner && skinner->SkinState() == TSkinState::Active)
                break;
            Sleep(1);
            Pump();
        }
        UpdateWindow(window);
    }
    Pump();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

struct RepaintTimes {
    double plain = 0;   // median milliseconds, unskinned
    double skinned = 0; // median milliseconds, skinned
    // Skinned against unskinned within each block, so that a block slowed by other work on the
    // machine counts once: the median, lowest and highest of those ratios.
    double ratio = 0;
    double lowest = 0;
    double highest = 0;
};

// Times the window's full repaint unskinned and skinned, in alternating blocks so that load from
// elsewhere on the machine falls on both alike. Nothing when the window could not be skinned;
// `skinner` is left active.
std::optional<RepaintTimes> RepaintPlainAndSkinned(TCustomForm& form, TSkinData& data, int rounds,
                                                   TVarUdedForm*& skinner) {
    constexpr int kBlocks = 10;
    SkinManager()->Enabled = false;
    form.Show();
    const HWND window = form.Handle();
    Pump();
    SkinManager()->Enabled = true;
    SkinManager()->MarkStarted();
    skinner = SkinManager()->SkinWindow(window) ? ActiveSkinner(window) : nullptr;
    if (!skinner)
        return std::nullopt;
    std::vector<double> plain;
    std::vector<double> skinned;
    std::vector<double> ratios;
    for (int block = 0; block < kBlocks; ++block) {
        std::vector<double> plainBlock;
        std::vector<double> skinnedBlock;
        data.SetActive(false);
        SkinManager()->RunPendingAction();
        Pump();
        FullRepaint(window);
        Time(
            std::max(1, rounds / kBlocks), [&] { FullRepaint(window); }, plainBlock);
        data.SetActive(true);
        SkinManager()->RunPendingAction();
        skinner = ActiveSkinner(window);
        if (!skinner)
            return std::nullopt;
        FullRepaint(window); // the painters make their pictures once
        Time(
            std::max(1, rounds / kBlocks), [&] { FullRepaint(window); }, skinnedBlock);
        ratios.push_back(MedianOf(skinnedBlock) / MedianOf(plainBlock));
        plain.insert(plain.end(), plainBlock.begin(), plainBlock.end());
        skinned.insert(skinned.end(), skinnedBlock.begin(), skinnedBlock.end());
    }
    const auto [lowest, highest] = std::minmax_element(ratios.begin(), ratios.end());
    return RepaintTimes{MedianOf(plain), MedianOf(skinned), MedianOf(ratios), *lowest, *highest};
}

void PrintRepaint(const char* what, const RepaintTimes& t) {
    std::printf("full repaint of %s: unskinned %.3f ms, skinned %.3f ms, ratio %.2f (blocks "
                "%.2f to %.2f)\n",
                what, t.plain, t.skinned, t.ratio, t.lowest, t.highest);
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    TApplication application;
    application.Initialize();
    RegisterSkinClasses();
    const int startRounds = std::max(3, rounds / 10);
    StartUp(true); // the first start pays for loading fonts and classes
    const double plainStart = Median(startRounds, [] { StartUp(false); });
    const double skinnedStart = Median(startRounds, [] { StartUp(true); });

    TForm1 form(nullptr);
    TVarUdedForm* skinner = nullptr;
    const auto repaint =
        RepaintPlainAndSkinned(form, *form.Control<TSkinData>(L"SkinData1"), rounds, skinner);
    if (!repaint) {
        std::printf("the main window could not be skinned\n");
        return 1;
    }
    const HWND window = form.Handle();
    Pump();
    const double frame = Median(rounds, [&] { skinner->PaintFrame(); });
    // Each activation change paints a frame of the other look, composed anew.
    bool active = true;
    const double recomposed = Median(rounds, [&] {
        active = !active;
        SendMessageW(window, WM_NCACTIVATE, active, 0);
    });
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    form.Hide();
    Pump();

    RegisterGalleryClasses();
    TGalleryForm gallery(nullptr);
    TVarUdedForm* gallerySkinner = nullptr;
    const auto galleryRepaint =
        RepaintPlainAndSkinned(gallery, gallery.SkinData(), rounds, gallerySkinner);
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("start-up to a shown main window: unskinned %.1f ms, skinned %.1f ms, ratio %.2f\n",
                plainStart, skinnedStart, skinnedStart / plainStart);
    std::printf("frame paint of the %ldx%ld main window: median %.3f ms over %d rounds\n",
                r.right - r.left, r.bottom - r.top, frame, rounds);
    std::printf("frame paint of a changed look (activation): median %.3f ms\n", recomposed);
    PrintRepaint("the main window", *repaint);
    if (!galleryRepaint) {
        std::printf("the gallery could not be skinned\n");
        return 1;
    }
    PrintRepaint("the gallery", *galleryRepaint);
    // Where the skinned time goes: each kind of painter's share of one paint of every control.
    std::map<std::string, double> byKind;
    for (TSkinControl* painter : gallerySkinner->Skinners().Items()) {
        if (!painter->Window())
            continue;
        byKind[skin::SkinnerKindName(painter->Kind())] +=
            Median(std::max(3, rounds / 10), [&] { painter->PaintWindow(nullptr); });
    }
    std::printf("one paint of the gallery's controls by painter:");
    for (const auto& [kind, ms] : byKind)
        std::printf(" %s %.3f", kind.c_str(), ms);
    std::printf(" (ms)\n");
    return 0;
}
