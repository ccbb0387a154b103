#pragma once
// xcb hands each reply over to be freed with free(): owned here, so no path forgets it.

#include <cstdlib>
#include <memory>

namespace orbalune {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
XcbReply<Reply> OwnedReply(Reply* reply)
{
    return {reply, &std::free};
}

}  // namespace orbalune
