#include "platform/linux/system_zone.h"

#include <time.h>

namespace orvanta::platform {

settings::SystemZone systemZoneAt(std::time_t when) {
    tzset();
    std::tm local{};
    localtime_r(&when, &local);
    settings::SystemZone zone;
    // tm_gmtoff includes summer time; the zone's standard offset is the
    // offset in force less the summer-time shift, which the C library gives
    // only as "in force". The zone's own standard offset comes from the
    // same instant half a year away when that one is standard time.
    const long offsetSeconds = local.tm_gmtoff;
    zone.daylightInForce = local.tm_isdst > 0;
    long standardSeconds = offsetSeconds;
    if (zone.daylightInForce) {
        constexpr std::time_t kHalfYearSeconds = std::time_t{182} * 24 * 3600;
        std::tm other{};
        const std::time_t otherWhen = when + kHalfYearSeconds;
        localtime_r(&otherWhen, &other);
        standardSeconds = other.tm_isdst > 0 ? offsetSeconds - 3600 : other.tm_gmtoff;
    }
    zone.standardOffsetMinutes = static_cast<std::int32_t>(standardSeconds / 60);
    return zone;
}

settings::SystemZone currentSystemZone() { return systemZoneAt(std::time(nullptr)); }

}  // namespace orvanta::platform
