#pragma once

#include <array>
#include <cstdint>
#include <mutex>

namespace calendar {

// Results that depend on the year alone, computed once per year on first use and shared by
// every thread. Years outside [First, Last] are not held; callers compute those directly.
template <typename Value, int First, int Last> class YearCache {
public:
    template <typename Compute> const Value* Find(std::int64_t year, Compute&& compute) {
        if (year < First || year > Last) return nullptr;
        Slot& slot = slots_[static_cast<std::size_t>(year - First)];
        std::call_once(slot.once, [&] { slot.value = compute(year); });
        return &slot.value;
    }

private:
    struct Slot {
        std::once_flag once;
        Value value{};
    };
    std::array<Slot, static_cast<std::size_t>(Last - First + 1)> slots_;
};

} // namespace calendar
