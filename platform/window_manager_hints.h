// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window manager's properties say, read from the bytes of a reply: kept
// apart from the xcb calls, so that each rule holds without an X server to ask.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace orbalune {

// WM_NORMAL_HINTS: eighteen 32-bit fields, the flags first, then the limits in pixels.
using SizeHints = std::array<std::uint32_t, 18>;

// The decoration's height, top and bottom together, from _NET_FRAME_EXTENTS (left,
// right, top, bottom); nothing unless the value is four 32-bit cardinals.
std::optional<int> FrameExtentsHeight(int format, std::span<const std::byte> value);

// The size hints with the minimum and maximum height both `height` and the rest as
// they were; nothing unless the value is the eighteen 32-bit fields and already
// fixes the size (both limits set): a window not fixed yet has nothing to keep.
std::optional<SizeHints> FixedHeightHints(int format, std::span<const std::byte> value, std::uint32_t height);

// The decoration, in device pixels, from what the toolkit measures around a framed
// window: its frame's and its client's heights in logical pixels. Some window
// managers frame a window in a larger one that also holds a shadow; a margin taller
// than the window itself is no decoration, and neither is none at all.
int DecorationFromMargins(int frameHeight, int clientHeight, double devicePixelRatio);

}  // namespace orbalune
