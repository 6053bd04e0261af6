// Day numbers of the proleptic Gregorian calendar, counted from 0001-01-01 = 1.
#include <cstdio>

#include "platform/dataset/packet.h"

namespace expo::ds {
namespace {

// Day 1 of the packets is 0001-01-01; the civil algorithms below count from 1970-01-01.
constexpr int64_t kUnixEpochDay = 719163;

int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

int64_t dayNumber(int year, int month, int day) {
    const int64_t y = static_cast<int64_t>(year) - (month <= 2);
    const int64_t era = floorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t mp = (month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kUnixEpochDay;
}

CivilDate civilDate(int64_t dayNumber) {
    const int64_t z = dayNumber - kUnixEpochDay + 719468;
    const int64_t era = floorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    CivilDate d;
    d.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    d.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    d.year = yoe + era * 400 + (d.month <= 2);
    return d;
}

std::string formatDate(int64_t dayNumber) {
    const CivilDate d = civilDate(dayNumber);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04lld-%02d-%02d", static_cast<long long>(d.year), d.month,
                  d.day);
    return buf;
}

std::string formatTime(int64_t msOfDay) {
    const int64_t ms = msOfDay < 0 ? 0 : msOfDay;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld.%03lld",
                  static_cast<long long>(ms / 3'600'000), static_cast<long long>(ms / 60'000 % 60),
                  static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
    return buf;
}

int64_t timestampDay(int64_t ms) {
    return floorDiv(ms, kMsPerDay);
}

std::string formatTimestamp(int64_t ms) {
    const int64_t day = timestampDay(ms);
    return formatDate(day) + "T" + formatTime(ms - day * kMsPerDay);
}

}  // namespace expo::ds
