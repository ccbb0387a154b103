// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every xcb caller here needs: the application's X connection, and replies
// that free themselves (xcb hands each one over to be freed with free()).

#include <cstdlib>
#include <memory>
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

}  // namespace orbalune
