#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Counters and values kept in 32-bit fields stop at the ends of their range instead of wrapping:
// a counter at its highest stays there, and a value computed beyond the range takes the nearest end.
inline std::int32_t ClampToInt32(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

inline std::int32_t SaturatingAdd(std::int32_t value, std::int32_t delta)
{
    return ClampToInt32(std::int64_t(value) + delta);
}
