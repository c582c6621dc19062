// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/system_zone.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "timezone/zone_offsets.h"

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

// "Europe/Berlin" from ":Europe/Berlin" or a path into the zone files
// ("/usr/share/zoneinfo/Europe/Berlin"); anything else as it is.
std::string zoneNameFrom(std::string text) {
    if (text.starts_with(':')) text.erase(0, 1);
    constexpr std::string_view kZoneFolder = "zoneinfo/";
    if (const std::size_t folder = text.rfind(kZoneFolder); folder != std::string::npos) {
        text.erase(0, folder + kZoneFolder.size());
    }
    return text;
}

// The zone's database name: TZ when set, else the target of the link
// /etc/localtime, else /etc/timezone. Empty when none of them names a zone
// of the database (a TZ rule such as "UTC-3").
std::string systemZoneName() {
    std::string name;
    if (const char* tz = std::getenv("TZ"); tz != nullptr) {
        name = zoneNameFrom(tz);
    } else {
        std::string target(4096, '\0');
        const ssize_t length = ::readlink("/etc/localtime", target.data(), target.size());
        if (length > 0) {
            target.resize(static_cast<std::size_t>(length));
            name = zoneNameFrom(target);
        } else {
            std::ifstream file("/etc/timezone");
            std::getline(file, name);
        }
    }
    return timezone::isKnownZone(name) ? name : std::string();
}

}  // namespace

platform::SystemZone systemZoneAt(std::time_t when) {
    reloadChangedLocaltime();
    tzset();
    std::tm local{};
    localtime_r(&when, &local);
    platform::SystemZone zone;
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
    zone.ianaName = systemZoneName();
    return zone;
}

platform::SystemZone currentSystemZone() { return systemZoneAt(std::time(nullptr)); }

platform::SystemZone systemZoneAtNoon(int year, int month, int day) {
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
