#include "skin/ImgUtilGradient.h"

#include "skin/ImgUtilColour.h"

#include <algorithm>

namespace skin {

std::uint32_t GradientEntry(std::uint32_t from, std::uint32_t to, int steps, int index) {
    const auto channel = [&](int a, int b) -> int {
        const std::int64_t delta = b - a;
        if (steps <= 1) {
            return a + static_cast<int>(delta / 2);
        }
        const std::int64_t span = steps - 1;
        return a + static_cast<int>((span / 2 + std::int64_t{index} * delta) / span);
    };
    return MakeRgb(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                   channel(BlueOf(from), BlueOf(to)));
}

const std::vector<std::uint32_t>& GradientCache::Table(std::uint32_t from, std::uint32_t to,
                                                       int steps) {
    steps = std::clamp(steps, 1, kMaxSteps);
    // Slots are matched on what the table was made from. Matching on the first and last
    // entries instead would never find a falling gradient again: truncation toward zero stops
    // its last entry one short of `to`.
    for (int i = kSlots - 1; i >= 0; --i) {
        const Slot& slot = slots_[i];
        if (slot.colours.size() == std::size_t(steps) && slot.from == from && slot.to == to) {
            return slot.colours;
        }
    }
    Slot& slot = slots_[position_];
    position_ = (position_ + 1) % kSlots;
    slot.from = from;
    slot.to = to;
    slot.colours.resize(std::size_t(steps));
    for (int i = 0; i < steps; ++i) {
        slot.colours[std::size_t(i)] = GradientEntry(from, to, steps, i);
    }
    return slot.colours;
}

void GradientCache::Clear() {
    for (Slot& slot : slots_) {
        slot = Slot{};
    }
    position_ = 0;
}

StepRange VisibleSteps(int start, int steps, int clipStart, int clipEnd) {
    if (steps <= 0) {
        return {};
    }
    const std::int64_t first = std::max<std::int64_t>(0, std::int64_t{clipStart} - start);
    const std::int64_t last = std::min<std::int64_t>(steps, std::int64_t{clipEnd} - start);
    if (last <= first) {
        return {};
    }
    return {static_cast<int>(first), static_cast<int>(last)};
}

} // namespace skin
