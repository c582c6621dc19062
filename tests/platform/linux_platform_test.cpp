// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux layer: the autostart entry and the system zone.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "platform/linux/program_environment.h"
#include "platform/linux/rtc_wake_alarm.h"
#include "platform/linux/serial_break_line.h"
#include "platform/linux/system_zone.h"
#include "platform/linux/xdg_autostart.h"
#include "settings/program_folder.h"
#include "tests/support/temp_folder.h"

namespace orvanta::platform {
namespace {

TEST(XdgAutostart, EntryIsWrittenAndRemovedAndAnUnwritableFolderReported) {
    test::TempFolder folder;
    XdgAutostart autostart(folder / "config" / "autostart", "/opt/Orvanta Saat/orvanta");
    EXPECT_FALSE(autostart.enabled());
    ASSERT_TRUE(autostart.setEnabled(true));
    EXPECT_TRUE(autostart.enabled());
    const std::string entry = test::readFile(autostart.entryPath());
    EXPECT_NE(entry.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(entry.find("Exec=\"/opt/Orvanta Saat/orvanta\"\n"), std::string::npos);
    ASSERT_TRUE(autostart.setEnabled(false));
    EXPECT_FALSE(autostart.enabled());
    // Off removes an entry another program wrote, and off twice is no failure.
    folder.write("config/autostart/orvanta.desktop", "[Desktop Entry]\nExec=other\n");
    EXPECT_TRUE(autostart.setEnabled(false));
    EXPECT_FALSE(autostart.enabled());
    EXPECT_TRUE(autostart.setEnabled(false));
    // A folder that cannot be made is reported.
    folder.write("file", "x");
    EXPECT_FALSE(XdgAutostart(folder / "file" / "autostart", "/usr/bin/orvanta").setEnabled(true));
}

TEST(ProgramEnvironment, ReadsTheEnvironmentAndTheExecutable) {
    setenv("ORVANTA_HOME", "/tmp/orvanta-home", 1);
    const platform::FolderEnvironment environment = currentFolderEnvironment();
    unsetenv("ORVANTA_HOME");
    EXPECT_EQ(environment.orvantaHome, std::filesystem::path("/tmp/orvanta-home"));
    EXPECT_EQ(environment.executable.filename(), "platform_tests");
    EXPECT_EQ(settings::programFolder(environment), "/tmp/orvanta-home");
}

TEST(SystemZone, StandardOffsetAndSummerTime) {
    const char* const userZone = std::getenv("TZ");
    const std::optional<std::string> saved = userZone ? std::optional<std::string>(userZone) : std::nullopt;
    // 2026-07-01 12:00 UTC and 2026-01-01 12:00 UTC.
    constexpr std::time_t kJuly = 1782907200;
    constexpr std::time_t kJanuary = 1767268800;
    setenv("TZ", "Europe/Berlin", 1);
    EXPECT_EQ(systemZoneAt(kJuly).standardOffsetMinutes, 60);
    EXPECT_TRUE(systemZoneAt(kJuly).daylightInForce);
    EXPECT_FALSE(systemZoneAt(kJanuary).daylightInForce);
    setenv("TZ", "Australia/Adelaide", 1);
    EXPECT_EQ(systemZoneAt(kJuly).standardOffsetMinutes, 570);
    EXPECT_TRUE(systemZoneAt(kJanuary).daylightInForce);
    EXPECT_EQ(systemZoneAt(kJanuary).standardOffsetMinutes, 570);
    setenv("TZ", "Europe/Istanbul", 1);
    EXPECT_EQ(systemZoneAt(kJuly).standardOffsetMinutes, 180);
    EXPECT_FALSE(systemZoneAt(kJuly).daylightInForce);
    saved ? setenv("TZ", saved->c_str(), 1) : unsetenv("TZ");
}

TEST(RtcWakeAlarm, WritesTheInstantOnceAndAMissingAlarmIsNotSupportedForGood) {
    test::TempFolder folder;
    const auto file = folder.write("wakealarm", "");
    RtcWakeAlarm alarm(file);
    EXPECT_EQ(alarm.arm(1388571300), WakeArmResult::Armed);
    EXPECT_EQ(test::readFile(file), "1388571300");
    std::filesystem::remove(file);
    EXPECT_EQ(alarm.arm(1388571300), WakeArmResult::Armed);  // unchanged: not written again
    EXPECT_EQ(alarm.arm(1388571360), WakeArmResult::NotSupported);
    folder.write("wakealarm", "");
    EXPECT_EQ(alarm.arm(1388571420), WakeArmResult::NotSupported);
}

// A pseudo-terminal stands in for the relay's serial port: it takes the
// break calls as a serial driver does.
TEST(SerialBreakLine, SwitchesTheBreakOnATerminalAndRefusesWhatIsNoPort) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    SerialBreakLine relay;
    ASSERT_TRUE(relay.open(0, ptsname(master)));
    EXPECT_TRUE(relay.setBreak(true));
    EXPECT_TRUE(relay.setBreak(false));
    relay.close();
    EXPECT_FALSE(relay.setBreak(true));  // closed: nothing to switch
    ::close(master);

    test::TempFolder folder;
    folder.write("not-a-port", "");
    ASSERT_TRUE(relay.open(0, (folder / "not-a-port").string()));
    EXPECT_FALSE(relay.setBreak(true));
    EXPECT_FALSE(relay.open(0, (folder / "ttyUSB9").string()));
    EXPECT_FALSE(relay.open(0, ""));  // neither number nor device: no relay
    EXPECT_EQ(serialPortDevice(1), "/dev/ttyS0");
    EXPECT_EQ(serialPortDevice(12), "/dev/ttyS11");
}

}  // namespace
}  // namespace orvanta::platform
