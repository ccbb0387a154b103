#pragma once
// What a Row must show, worked out by the C library's calendar: shares nothing
// with the clock's own std::chrono arithmetic, so it can judge it.

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

namespace orbalune::testing {

struct ExpectedTexts {
    std::u16string date;
    std::u16string time;
};

// The local reading shifted by `offset`; the home row adds the weekday and seconds.
inline ExpectedTexts Expected(std::chrono::local_seconds local, std::chrono::minutes offset, bool home = false)
{
    const auto shifted = static_cast<std::time_t>((local + offset).time_since_epoch().count());
    std::tm p{};
    gmtime_r(&shifted, &p);
    char date[16];
    char time[16];
    std::snprintf(date, sizeof date, "%02d/%02d", p.tm_mon + 1, p.tm_mday);
    std::snprintf(time, sizeof time, home ? "%02d:%02d:%02d" : "%02d:%02d", p.tm_hour, p.tm_min, p.tm_sec);
    ExpectedTexts out{{date, date + std::char_traits<char>::length(date)},
                      {time, time + std::char_traits<char>::length(time)}};
    if (home) {
        out.date.push_back(u"日月火水木金土"[p.tm_wday]);
    }
    return out;
}

}  // namespace orbalune::testing
