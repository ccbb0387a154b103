// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a Row must show, worked out by the C library's calendar: it shares nothing
// with the clock's own std::chrono arithmetic, so it can judge it.

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace orbalune::testing {

struct ExpectedTexts {
    std::u16string date, time;
};

// The local reading shifted by `offset`; the home row adds the weekday and the seconds.
inline ExpectedTexts Expected(std::chrono::local_seconds local, std::chrono::minutes offset, bool home = false)
{
    const auto shifted = static_cast<std::time_t>((local + offset).time_since_epoch().count());
    std::tm p{};
    gmtime_r(&shifted, &p);
    char date[16];
    char time[16];
    std::snprintf(date, sizeof date, "%02d/%02d", p.tm_mon + 1, p.tm_mday);
    std::snprintf(time, sizeof time, home ? "%02d:%02d:%02d" : "%02d:%02d", p.tm_hour, p.tm_min, p.tm_sec);
    ExpectedTexts out{std::u16string(date, date + std::strlen(date)), std::u16string(time, time + std::strlen(time))};
    out.date += home ? std::u16string(1, u"日月火水木金土"[p.tm_wday]) : u"";
    return out;
}

}  // namespace orbalune::testing
