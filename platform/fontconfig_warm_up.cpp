// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fontconfig_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace orbalune {

std::jthread StartFontconfigWarmUp()
{
    return std::jthread([] { FcInit(); });
}

}  // namespace orbalune
