// Text form of the values of an XML data packet.
#include <charconv>
#include <cstdio>

#include "platform/dataset/xml_format.h"
#include "platform/text/error.h"

namespace expo::ds::xml {
namespace {

// The whole text as one number, an optional "+" before it.
template <typename Number>
std::optional<Number> parseNumber(std::string_view s) {
    Number v = 0;
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
    }
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    return v;
}

std::optional<int64_t> digits(std::string_view s) {
    int64_t v = 0;
    if (s.empty()) {
        return std::nullopt;
    }
    for (char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}

std::optional<int64_t> parseDate(std::string_view s) {
    if (s.size() != 8) {
        return std::nullopt;
    }
    const auto y = digits(s.substr(0, 4));
    const auto m = digits(s.substr(4, 2));
    const auto d = digits(s.substr(6, 2));
    if (!y || !m || !d || *y < 1 || *m < 1 || *m > 12 || *d < 1 || *d > 31) {
        return std::nullopt;
    }
    return dayNumber(static_cast<int>(*y), static_cast<int>(*m), static_cast<int>(*d));
}

// "hh:nn:ss" with optional milliseconds glued to the seconds.
std::optional<int64_t> parseTime(std::string_view s) {
    if ((s.size() != 8 && s.size() != 11) || s[2] != ':' || s[5] != ':') {
        return std::nullopt;
    }
    const auto h = digits(s.substr(0, 2));
    const auto n = digits(s.substr(3, 2));
    const auto sec = digits(s.substr(6, 2));
    const auto ms = s.size() == 11 ? digits(s.substr(8, 3)) : std::optional<int64_t>(0);
    if (!h || !n || !sec || !ms || *h > 23 || *n > 59 || *sec > 59) {
        return std::nullopt;
    }
    return ((*h * 60 + *n) * 60 + *sec) * 1000 + *ms;
}

std::string formatYmd(int64_t day) {
    const CivilDate d = civilDate(day);
    if (d.year < 1 || d.year > 9999) {
        throw Error("The date " + formatDate(day) + " has no XML form");
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", static_cast<int>(d.year), d.month, d.day);
    return buf;
}

std::string formatHms(int64_t ms) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d%03d", static_cast<int>(ms / 3'600'000),
                  static_cast<int>(ms / 60'000 % 60), static_cast<int>(ms / 1000 % 60),
                  static_cast<int>(ms % 1000));
    return buf;
}

}  // namespace

std::string formatValue(FieldType type, int64_t number) {
    switch (type) {
        case FieldType::Boolean:
            return number != 0 ? "TRUE" : "FALSE";
        case FieldType::Date:
            return formatYmd(number);
        case FieldType::Time:
            if (number < 0 || number >= kMsPerDay) {
                throw Error("The time of day " + std::to_string(number) + " ms has no XML form");
            }
            return formatHms(number);
        case FieldType::Timestamp: {
            const int64_t day = timestampDay(number);
            const int64_t ms = number - day * kMsPerDay;
            return ms == 0 ? formatYmd(day) : formatYmd(day) + "T" + formatHms(ms);
        }
        default:
            return std::to_string(number);
    }
}

std::optional<int64_t> parseValue(FieldType type, std::string_view s) {
    switch (type) {
        case FieldType::Boolean:
            if (s == "TRUE" || s == "true" || s == "True") {
                return 1;
            }
            if (s == "FALSE" || s == "false" || s == "False") {
                return 0;
            }
            return std::nullopt;
        case FieldType::Date:
            return parseDate(s);
        case FieldType::Time:
            return parseTime(s);
        case FieldType::Timestamp: {
            const auto day = parseDate(s.substr(0, 8));
            if (!day) {
                return std::nullopt;
            }
            if (s.size() == 8) {
                return *day * kMsPerDay;
            }
            const auto ms = s[8] == 'T' ? parseTime(s.substr(9)) : std::nullopt;
            return ms ? std::optional(*day * kMsPerDay + *ms) : std::nullopt;
        }
        default:
            return parseNumber<int64_t>(s);
    }
}

std::string formatReal(double v) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, ec == std::errc() ? end : buf);
}

std::optional<double> parseReal(std::string_view s) {
    return parseNumber<double>(s);
}

}  // namespace expo::ds::xml
