#include "platform/linux/system_zone.h"

#include <cstdlib>
#include <sys/stat.h>
#include <time.h>

namespace orvanta::platform {

namespace {

// The C library reads /etc/localtime once and keeps it while TZ is unset,
// so a zone chosen in the desktop's settings (timedatectl replaces the
// link) would go unseen until a restart. When the file behind the link
// changes, it is made to read it again.
void reloadChangedLocaltime() {
    static ino_t lastInode = 0;
    static timespec lastChange{};
    if (std::getenv("TZ") != nullptr) return;
    struct stat info {};
    if (::stat("/etc/localtime", &info) != 0) return;
    const bool changed = info.st_ino != lastInode || info.st_mtim.tv_sec != lastChange.tv_sec ||
                         info.st_mtim.tv_nsec != lastChange.tv_nsec;
    const bool firstLook = lastInode == 0;
    lastInode = info.st_ino;
    lastChange = info.st_mtim;
    if (!changed || firstLook) return;
    // A TZ different from the last one makes tzset read the file again.
    setenv("TZ", ":/etc/localtime", 1);
    tzset();
    unsetenv("TZ");
}

}  // namespace

settings::SystemZone systemZoneAt(std::time_t when) {
    reloadChangedLocaltime();
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

settings::SystemZone systemZoneAtNoon(int year, int month, int day) {
    constexpr int kNoonHour = 12;
    constexpr int kTmYearBase = 1900;
    std::tm noon{};
    noon.tm_year = year - kTmYearBase;
    noon.tm_mon = month - 1;
    noon.tm_mday = day;
    noon.tm_hour = kNoonHour;
    noon.tm_isdst = -1;
    return systemZoneAt(std::mktime(&noon));
}

}  // namespace orvanta::platform
