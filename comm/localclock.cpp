#include "comm/localclock.h"

#include "model/translation.h"

#include <ctime>
#include <stdexcept>

LocalDateTime SystemLocalClock::now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || !localtime_r(&now, &local))
        throw std::runtime_error(Translate("Clock", "The computer's local time cannot be read."));
    LocalDateTime t;
    t.year = local.tm_year + 1900;
    t.month = local.tm_mon + 1;
    t.dayOfWeek = local.tm_wday;
    t.day = local.tm_mday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec;
    return t;
}
