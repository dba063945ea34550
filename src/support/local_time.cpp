// The local time through the C library, whose reentrant call differs between systems.
#include "support/local_time.h"

#include <ctime>

namespace narabe {

namespace {

constexpr int TM_YEAR_BASE = 1900;

} // namespace

LocalTime localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    if (localtime_s(&parts, &now) != 0) return {};
#else
    if (localtime_r(&now, &parts) == nullptr) return {};
#endif
    return {parts.tm_year + TM_YEAR_BASE, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
            parts.tm_min};
}

} // namespace narabe
