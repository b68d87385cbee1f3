#pragma once
// The colour tables of gradient bars and the small cache that keeps the last sixteen of them,
// because the same bars are repainted often. The GDI layer fills one-pixel bands from a table.

#include <array>
#include <cstdint>
#include <vector>

namespace skin {

// Entry i of an n-step gradient from one 0x00BBGGRR colour to another, per channel:
// n = 1: from + (to - from) div 2; n > 1: from + ((n - 1) div 2 + i * (to - from)) div (n - 1),
// divisions truncating toward zero.
std::uint32_t GradientEntry(std::uint32_t from, std::uint32_t to, int steps, int index);

// Sixteen slots of gradient tables and a round-robin position for the next one to replace.
class GradientCache {
public:
    static constexpr int kSlots = 16;
    // Longer gradients are computed step by step and not kept.
    static constexpr int kMaxSteps = 65536;

    // The table of `steps` entries (1..kMaxSteps) from `from` to `to`: a slot that holds it,
    // searched from the last slot down, or else the slot at the round-robin position, refilled.
    const std::vector<std::uint32_t>& Table(std::uint32_t from, std::uint32_t to, int steps);

    int Position() const { return position_; }
    // Releases every table (at shutdown).
    void Clear();

private:
    struct Slot {
        std::uint32_t from = 0;
        std::uint32_t to = 0;
        std::vector<std::uint32_t> colours;
    };
    std::array<Slot, kSlots> slots_;
    int position_ = 0;
};

// The steps [first, last) of a gradient that fall inside the clip, on one axis: the gradient
// starts at `start` and runs `steps` pixels; the clip covers [clipStart, clipEnd).
struct StepRange {
    int first = 0;
    int last = 0;
    bool Empty() const { return last <= first; }
};
StepRange VisibleSteps(int start, int steps, int clipStart, int clipEnd);

} // namespace skin
