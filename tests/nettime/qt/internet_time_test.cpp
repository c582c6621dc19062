// SPDX-License-Identifier: GPL-3.0-or-later
// The time check against real UDP servers on the loopback interface: one
// that answers, one that answers late, from another address or port, with
// two bytes, with a 1969 time, or never; an SNTP responder that echoes the
// request's transmit time or not; the event loop running during the
// waits; the dialogue's boxes and the clock setting.
#include "nettime/qt/internet_time.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QAbstractButton>
#include <QMessageBox>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest/QTest>

#include "nettime/time_protocol.h"
#include "tests/support/modal_answer.h"
#include "tests/support/recording_platform.h"

namespace orvanta::nettime {
namespace {

enum class Behaviour { Answer, Late, FromOtherAddress, FromOtherPort, TwoBytes, Before1970, Never, Sntp, SntpNoEcho };

// A time server on 127.0.0.1 whose clock is `aheadSeconds` ahead of the PC.
class LoopbackTimeServer {
public:
    LoopbackTimeServer(Behaviour behaviour, std::int64_t aheadSeconds = 0) : behaviour_(behaviour), ahead_(aheadSeconds) {
        socket_.bind(QHostAddress::LocalHost, 0);
        // 127.0.0.2 is this machine too, but not the address asked.
        other_.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0);
        otherPort_.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] {
            while (socket_.hasPendingDatagrams()) answer(socket_.receiveDatagram());
        });
    }
    std::string entry() const {
        const bool sntp = behaviour_ == Behaviour::Sntp || behaviour_ == Behaviour::SntpNoEcho;
        return (sntp ? "ntp:127.0.0.1:" : "127.0.0.1:") + std::to_string(socket_.localPort());
    }
    int requests = 0;

private:
    void answer(const QNetworkDatagram& request) {
        ++requests;
        const std::int64_t now = QDateTime::currentSecsSinceEpoch() + ahead_;
        const auto count = static_cast<std::uint32_t>(
            (behaviour_ == Behaviour::Before1970 ? -86400 : now) + kSecondsFrom1900To1970);
        QByteArray reply;
        for (int shift = 24; shift >= 0; shift -= 8) reply.append(static_cast<char>((count >> shift) & 0xFF));
        if (behaviour_ == Behaviour::Sntp || behaviour_ == Behaviour::SntpNoEcho) {
            QByteArray packet(48, '\0');
            packet[0] = 0x24;
            packet[1] = 2;
            // The originate time is the request's transmit time.
            if (behaviour_ == Behaviour::Sntp) packet.replace(24, 8, request.data().mid(40, 8));
            packet.replace(40, 4, reply);
            packet[44] = 1;
            reply = packet;
        }
        switch (behaviour_) {
            case Behaviour::Never: return;
            case Behaviour::TwoBytes: reply.truncate(2); break;
            case Behaviour::FromOtherAddress:
                other_.writeDatagram(reply, request.senderAddress(), static_cast<quint16>(request.senderPort()));
                return;
            case Behaviour::FromOtherPort:
                otherPort_.writeDatagram(reply, request.senderAddress(), static_cast<quint16>(request.senderPort()));
                return;
            case Behaviour::Late:
                QTimer::singleShot(400, &socket_, [this, reply, to = request.senderAddress(), port = request.senderPort()] {
                    socket_.writeDatagram(reply, to, static_cast<quint16>(port));
                });
                return;
            default: break;
        }
        socket_.writeDatagram(reply, request.senderAddress(), static_cast<quint16>(request.senderPort()));
    }

    Behaviour behaviour_;
    std::int64_t ahead_;
    QUdpSocket socket_;
    QUdpSocket other_;
    QUdpSocket otherPort_;
};

TimeServerList serversOf(std::initializer_list<const LoopbackTimeServer*> servers, int timeoutMs = 200) {
    TimeServerList list;
    list.hostTimeoutMs = timeoutMs;
    int index = 0;
    for (const LoopbackTimeServer* server : servers) list.servers.push_back(*parseServerEntry(index++, server->entry()));
    return list;
}

TEST(TimeServerClient, OnlyAWholePlausibleAnswerFromTheServerAskedCounts) {
    LoopbackTimeServer never(Behaviour::Never), other(Behaviour::FromOtherAddress), port(Behaviour::FromOtherPort),
        two(Behaviour::TwoBytes), old(Behaviour::Before1970), noEcho(Behaviour::SntpNoEcho), sntp(Behaviour::Sntp, -37);
    TimeServerClient client;
    std::vector<QString> asked;
    QObject::connect(&client, &TimeServerClient::asking, [&](const QString& entry) { asked.push_back(entry); });
    const auto answer = client.ask(serversOf({&never, &other, &port, &two, &old, &noEcho, &sntp}));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->server.entry, sntp.entry());
    EXPECT_EQ(answer->address, QStringLiteral("127.0.0.1"));
    EXPECT_NEAR(static_cast<double>(driftSeconds(answer->pcSeconds, answer->serverSeconds)), 37.0, 1.0);
    EXPECT_EQ(asked.size(), 7u);
    EXPECT_EQ(never.requests + other.requests + port.requests + two.requests + old.requests + noEcho.requests, 6);
}

// The first server's answer comes after its wait: the second server, which
// never answers, must not be credited with it. The program's one-second
// tick goes on during the waits.
TEST(TimeServerClient, LateAnswerIsNotTakenForTheNextServersAndTheTickGoesOn) {
    LoopbackTimeServer late(Behaviour::Late), never(Behaviour::Never);
    TimeServerClient client;
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(50);
    EXPECT_FALSE(client.ask(serversOf({&late, &never}, 300)));
    EXPECT_EQ(late.requests, 1);
    EXPECT_GE(ticks, 8);
    LoopbackTimeServer good(Behaviour::Answer);
    EXPECT_FALSE(client.ask(serversOf({&good}, 0))) << "no wait: nothing is read";
}

QString answerBox(std::function<bool()> run, QMessageBox::StandardButton button = QMessageBox::Yes) {
    QString shown;
    test::ModalAnswer answer([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return;
        shown = box->windowTitle() + " | " + box->text();
        if (QAbstractButton* choice = box->button(button)) {
            choice->click();
        } else {
            box->done(0);
        }
    });
    run();
    return shown;
}

TEST(InternetTimeDialogue, InteractiveAsksSilentCorrectsAtOnce) {
    LoopbackTimeServer behind(Behaviour::Answer, -37), exact(Behaviour::Answer, 0);
    test::RecordingClockSetter clock;
    InternetTime check(clock);
    bool changed = false;
    const QString asked = answerBox([&] { return changed = check.run(serversOf({&behind}), false); });
    EXPECT_TRUE(asked.startsWith(QStringLiteral("Sunucu Adresi : 127.0.0.1 | Internet Saati :  "))) << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("Düzeltmek ister misiniz ?")));
    EXPECT_TRUE(changed);
    ASSERT_EQ(clock.shifts.size(), 1u);
    EXPECT_NEAR(static_cast<double>(clock.shifts[0]), -37.0, 1.0);
    EXPECT_TRUE(clock.asked[0]) << "interactive: a password may be asked";

    EXPECT_TRUE(check.run(serversOf({&behind}), true));
    EXPECT_FALSE(clock.asked.back()) << "silent: never asked";
    EXPECT_EQ(answerBox([&] { return check.run(serversOf({&behind}), false); }, QMessageBox::No).isEmpty(), false);
    EXPECT_EQ(clock.shifts.size(), 2u) << "No changes nothing";

    EXPECT_TRUE(answerBox([&] { return check.run(serversOf({&exact}), false); })
                    .endsWith(QStringLiteral("\nPC'nizin saati  düzeltme gerektirmiyor...\n")));
    // An empty list is said as such, not as servers that did not answer.
    EXPECT_EQ(answerBox([&] { return check.run(TimeServerList{}, false); }),
              QStringLiteral("Internet Saati | ") + QString::fromUtf8(kNoServersText.data()));
    clock.answer = {false, "Otomatik saat eşitlemesi (NTP) açık: saati sistem ayarlıyor."};
    EXPECT_TRUE(answerBox([&] { return check.run(serversOf({&behind}), true); }).isEmpty()) << "silent: no box";
}

// An answer a year away was applied by the hourly check without a word.
TEST(InternetTimeDialogue, JumpOfMoreThanADayIsAskedForNeverMadeSilently) {
    // Half an hour more, so that a second's delay does not change the hours.
    LoopbackTimeServer yearAhead(Behaviour::Answer, 365 * 86400 + 1800);
    test::RecordingClockSetter clock;
    InternetTime check(clock);
    EXPECT_FALSE(check.run(serversOf({&yearAhead}), true));
    EXPECT_TRUE(clock.shifts.empty()) << "silent: logged and skipped";
    const QString asked = answerBox([&] { return check.run(serversOf({&yearAhead}), false); }, QMessageBox::No);
    EXPECT_TRUE(asked.contains(QStringLiteral("Saat 365 gün 0 saat ileri alınacak"))) << asked.toStdString();
    EXPECT_TRUE(clock.shifts.empty());
    EXPECT_TRUE(answerBox([&] { return check.run(serversOf({&yearAhead}), false); }).contains(QStringLiteral("gün")));
    ASSERT_EQ(clock.shifts.size(), 1u) << "asked and answered yes";
    EXPECT_NEAR(static_cast<double>(clock.shifts[0]), 365 * 86400.0 + 1800.0, 1.0);
}

TEST(InternetTimeDialogue, ClosingTheStripStopsWithoutABox) {
    LoopbackTimeServer never(Behaviour::Never);
    test::RecordingClockSetter clock;
    InternetTime check(clock);
    QTimer::singleShot(300, [&] {
        EXPECT_TRUE(check.strip().isVisible());
        EXPECT_EQ(check.strip().serverText(), QString::fromStdString(never.entry()));
        check.strip().close();
    });
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_TRUE(answerBox([&] { return check.run(serversOf({&never}, 5000), false); }).isEmpty());
    EXPECT_LT(elapsed.elapsed(), 4000);
    EXPECT_FALSE(check.busy());
}

}  // namespace
}  // namespace orvanta::nettime
