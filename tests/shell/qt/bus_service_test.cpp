// SPDX-License-Identifier: GPL-3.0-or-later
// The bus service's signals from the program's state: TimeEntered once at a
// time's minute, Changed when the day or the settings change; the next time
// as the tip counts it.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "shell/qt/bus_service.h"

namespace orvanta::shell {
namespace {

class FakeHost : public BusHost {
public:
    engine::VakitTimes times{0, 400, 480, 530, 725, 780, 930, 960, 1000, 1050, 1130};
    std::int32_t minute = 779;
    std::int64_t unixSeconds = 1'800'000'000 + 779 * 60 + 30;
    std::string place = "İstanbul / Türkiye";
    int stops = 0, toggles = 0, mutedMinutes = -1;

    std::string placeName() const override { return place; }
    std::string methodName() const override { return "Diyanet değerleri"; }
    engine::VakitTimes todayTimes() const override { return times; }
    std::int32_t nowMinute() const override { return minute; }
    std::int64_t nowUnixSeconds() const override { return unixSeconds; }
    engine::VakitType nextTime() const override { return engine::VakitType::Ogle; }
    std::int32_t minutesLeft() const override { return times[5] - minute; }
    bool muted() const override { return mutedMinutes > 0; }
    void stopSound() override { ++stops; }
    void toggleStrip() override { ++toggles; }
    void muteFor(int minutes) override { mutedMinutes = minutes; }

    void advanceMinutes(int minutes) {
        minute += minutes;
        unixSeconds += minutes * 60;
    }
};

TEST(BusService, SignalsFollowTheMinutesAndTheDay) {
    FakeHost host;
    BusService service(host);
    auto* adaptor = service.findChild<BusAdaptor*>();
    ASSERT_NE(adaptor, nullptr);
    QSignalSpy entered(adaptor, &BusAdaptor::TimeEntered);
    QSignalSpy changed(adaptor, &BusAdaptor::Changed);

    service.refresh();
    EXPECT_EQ(adaptor->nextName(), QStringLiteral("ÖĞLE"));
    EXPECT_EQ(adaptor->secondsLeft(), 30) << "half a minute before 13:00";
    EXPECT_EQ(adaptor->today().size(), 10);
    EXPECT_EQ(adaptor->today()[4], QStringLiteral("13:00"));
    EXPECT_EQ(entered.count(), 0);
    EXPECT_EQ(changed.count(), 0) << "the first look is no change";

    host.advanceMinutes(1);
    service.refresh();
    service.refresh();  // a second pass in the same minute
    ASSERT_EQ(entered.count(), 1);
    EXPECT_EQ(entered[0][0].toString(), QStringLiteral("ÖĞLE"));
    EXPECT_EQ(entered[0][1].toLongLong(), host.unixSeconds - 30);

    host.times[1] = 401;  // the next day's times
    service.refresh();
    EXPECT_EQ(changed.count(), 1);
    host.place = "Ankara / Türkiye";
    service.refresh();
    EXPECT_EQ(changed.count(), 2);

    adaptor->StopSound();
    adaptor->ToggleStrip();
    adaptor->Mute(-5);
    EXPECT_EQ(host.stops, 1);
    EXPECT_EQ(host.toggles, 1);
    EXPECT_EQ(host.mutedMinutes, 0) << "a negative silence ends it";
}

}  // namespace
}  // namespace orvanta::shell
