// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_manager_hints.h"

#include <cmath>
#include <cstring>

namespace orbalune {

namespace {

constexpr std::uint32_t kHasMinAndMaxSize = (1U << 4U) | (1U << 5U);
constexpr std::size_t kMinHeight = 6;
constexpr std::size_t kMaxHeight = 8;

// The value as N 32-bit fields, if that is what it is.
template <std::size_t N>
std::optional<std::array<std::uint32_t, N>> fields(int format, std::span<const std::byte> value)
{
    std::array<std::uint32_t, N> out{};
    if (format != 32 || value.size() != sizeof out) {
        return std::nullopt;
    }
    std::memcpy(out.data(), value.data(), sizeof out);
    return out;
}

}  // namespace

std::optional<int> FrameExtentsHeight(int format, std::span<const std::byte> value)
{
    const auto sides = fields<4>(format, value);  // left, right, top, bottom
    if (!sides) {
        return std::nullopt;
    }
    return static_cast<int>(sides->at(2) + sides->at(3));
}

std::optional<SizeHints> FixedHeightHints(int format, std::span<const std::byte> value, std::uint32_t height)
{
    auto hints = fields<SizeHints{}.size()>(format, value);
    if (!hints || (hints->at(0) & kHasMinAndMaxSize) != kHasMinAndMaxSize) {
        return std::nullopt;
    }
    hints->at(kMinHeight) = hints->at(kMaxHeight) = height;
    return hints;
}

int DecorationFromMargins(int frameHeight, int clientHeight, double devicePixelRatio)
{
    const int margins = frameHeight - clientHeight;
    if (margins <= 0 || margins > clientHeight) {
        return 0;
    }
    return static_cast<int>(std::lround(margins * devicePixelRatio));
}

}  // namespace orbalune
