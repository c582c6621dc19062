// SPDX-License-Identifier: GPL-3.0-or-later
#include "nettime/qt/internet_time.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QLabel>
#include <QMessageBox>
#include <QUdpSocket>

#include "nettime/qt/clock_correction.h"
#include "platform/clock_setter.h"
#include "common/qt/utf8_text.h"

namespace orvanta::nettime {

namespace {

constexpr int kStripWidthPixels = 300;

using common::qs;

// Whether this machine can open a UDP socket at all.
bool udpAvailable() {
    QUdpSocket probe;
    return probe.bind(QHostAddress::AnyIPv4, 0);
}

}  // namespace

TimeQueryStrip::TimeQueryStrip() : server_(new QLabel(this)) {
    setWindowTitle(qs(kCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);
    setMinimumWidth(kStripWidthPixels);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(server_);
}

void TimeQueryStrip::showServer(const QString& entry) {
    server_->setText(entry);
    setWindowTitle(entry);
}

QString TimeQueryStrip::serverText() const { return server_->text(); }

void TimeQueryStrip::closeEvent(QCloseEvent* event) {
    emit closedByUser();
    QWidget::closeEvent(event);
}

InternetTime::InternetTime(platform::ClockSetter& clock, QObject* parent)
    : QObject(parent), clock_(clock), strip_(std::make_unique<TimeQueryStrip>()) {
    connect(strip_.get(), &TimeQueryStrip::closedByUser, &client_, &TimeServerClient::cancel);
    connect(&client_, &TimeServerClient::asking, strip_.get(), &TimeQueryStrip::showServer);
}

InternetTime::~InternetTime() = default;

bool InternetTime::run(const TimeServerList& servers, bool silent) {
    if (client_.busy()) return false;
    if (servers.servers.empty()) {
        if (!silent) QMessageBox::warning(nullptr, qs(kCaption), qs(kNoServersText));
        return false;
    }
    if (!udpAvailable()) {
        if (!silent) QMessageBox::critical(nullptr, qs(kCaption), qs(kSocketErrorText));
        return false;
    }
    if (!silent) {
        strip_->showServer(qs(kCaption));
        strip_->show();
    }
    const std::optional<ServerAnswer> answer = client_.ask(servers);
    const bool cancelled = client_.cancelled();
    strip_->hide();
    if (cancelled) return false;
    if (!answer) {
        if (!silent) QMessageBox::critical(nullptr, qs(kCaption), qs(kNoAnswerText));
        return false;
    }
    const std::int64_t drift = driftSeconds(answer->pcSeconds, answer->serverSeconds);
    if (silent && !mayCorrectWithoutAsking(drift)) {
        qWarning("time server %s (%s) is %lld s away from the PC clock, more than a day: not corrected without asking",
                 answer->server.entry.c_str(), qPrintable(answer->address), static_cast<long long>(-drift));
        return false;
    }
    if (silent) return drift != 0 && correct(drift, true);
    const QString text = qs(resultText(localCivilTime(answer->serverSeconds), localCivilTime(answer->pcSeconds), drift));
    const QString caption = qs(serverCaption(answer->address.toStdString()));
    if (drift == 0) {
        QMessageBox::information(nullptr, caption, text);
        return false;
    }
    if (QMessageBox::question(nullptr, caption, text, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return false;
    }
    return correct(drift, false);
}

bool InternetTime::correct(std::int64_t driftSeconds, bool silent) {
    const platform::ClockSetResult result = correctClockBy(clock_, driftSeconds, !silent);
    if (!result.set && !silent) QMessageBox::warning(nullptr, qs(kCaption), qs(clockNotSetText(result.reason)));
    return result.set;
}

}  // namespace orvanta::nettime
