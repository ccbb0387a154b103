// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace orbalune {

// The toolkit's screen-reader bridge connects to the session bus while the window
// is built, and the building waits for the bus to answer. Started as soon as the
// application exists, the connection is made on another thread meanwhile, and
// the bridge finds it open. Nothing is started where no bridge would be made.
[[nodiscard]] std::jthread StartSessionBusWarmUp();

}  // namespace orbalune
