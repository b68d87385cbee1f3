#pragma once
// What the skin benchmarks share: pumping the message queue, timing rounds of work, and waiting
// for a window's skinner to become active.

#include "skin/SkinManage.h"
#include "skin/VarUdedForm.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace bench {

inline void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Milliseconds of each of `rounds` runs of `work`, added to `times`.
inline void Time(int rounds, const std::function<void()>& work, std::vector<double>& times) {
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
}

inline double MedianOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

// Median milliseconds of `rounds` runs of `work`.
inline double Median(int rounds, const std::function<void()>& work) {
    std::vector<double> times;
    Time(rounds, work, times);
    return MedianOf(std::move(times));
}

// The window's skinner once it is active, or null when it does not become active.
inline TVarUdedForm* ActiveSkinner(HWND window) {
    TVarUdedForm* skinner = SkinManager()->SkinnerOf(window);
    for (int i = 0; i < 200 && skinner && skinner->SkinState() != TSkinState::Active; ++i) {
        Pump();
        Sleep(5);
        skinner = SkinManager()->SkinnerOf(window);
    }
    return skinner && skinner->SkinState() == TSkinState::Active ? skinner : nullptr;
}

} // namespace bench
