// Times start-up to a shown main window: the application's set-up once, then the main window
// read from its form file, shown and painted, many times over. Prints milliseconds.

#include "app/Form1.h"
#include "skin/SkinClasses.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double Milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    auto begin = std::chrono::steady_clock::now();
    TApplication application;
    application.Initialize();
    RegisterSkinClasses();
    double setup = Milliseconds(std::chrono::steady_clock::now() - begin);

    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        {
            TForm1 form(nullptr);
            form.Show();
            UpdateWindow(form.Handle());
            Pump();
            times.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
        }
        Pump();
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("application set-up: %.2f ms\n", setup);
    std::printf("main window read, shown and painted: first %.2f ms, median %.2f ms, min %.2f ms "
                "over %d rounds\n",
                times.front(), sorted[sorted.size() / 2], sorted.front(), rounds);
    return 0;
}
