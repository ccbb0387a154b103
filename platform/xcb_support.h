// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every xcb caller here needs: the application's X connection, and replies
// that free themselves (xcb hands each one over to be freed with free()).

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <span>
#include <xcb/xcb.h>

namespace orbalune {

// The toolkit's own connection, or nullptr when the application is not on X11.
xcb_connection_t* X11Connection();

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
XcbReply<Reply> OwnedReply(Reply* reply)
{
    return {reply, &std::free};
}

// A property's value as bytes, as long as the reply lives.
inline std::span<const std::byte> PropertyBytes(xcb_get_property_reply_t& reply)
{
    return {static_cast<const std::byte*>(xcb_get_property_value(&reply)),
            static_cast<std::size_t>(xcb_get_property_value_length(&reply))};
}

}  // namespace orbalune
