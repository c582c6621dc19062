// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/event_presenter.h"

#include <QSystemTrayIcon>

#include "platform/notifier.h"
#include "shell/messages.h"
#include "shell/qt/tray_and_strip.h"
#include "common/qt/utf8_text.h"

namespace orvanta::shell {

namespace {

constexpr int kBalloonTimeoutMs = 33333;
constexpr char kPrayerAfterEzanFile[] = "ezandua.wav";

using common::qs;

RelaySettings relaySettings(const settings::Settings& settings) {
    return RelaySettings{settings.relayComPort, settings.relayDevicePath, settings.relayLeadSeconds,
                         settings.relayOnSeconds};
}

}  // namespace

EventPresenter::EventPresenter(Parts parts, QObject* parent) : QObject(parent), parts_(std::move(parts)) {
    connect(&parts_.player, &SoundPlayer::failed, this, &EventPresenter::reportSoundError);
    connect(&parts_.player, &SoundPlayer::soundEnded, this, [this] {
        windows_.soundEnded();
        parts_.notifier.withdrawAction();
    });
}

bool EventPresenter::boxMode() const { return parts_.settings.messageMode == kMessageModeBox; }

void EventPresenter::playSound(std::string_view file) {
    if (ended_ || !parts_.settings.ezanSoundOn || parts_.quiet()) return;
    const settings::Settings& s = parts_.settings;
    parts_.player.play(QString::fromStdString(parts_.soundPath(file).string()), qs(file), relaySettings(s),
                       s.pauseMediaPlayers);
}

void EventPresenter::stopSound() { parts_.player.stop(); }

// The box goes on screen without waiting; when it is closed the ezan stops
// and, where no relay drives an amplifier, the prayer after the ezan is
// played, unless the user has silenced the ezan with "Sesi Durdur".
void EventPresenter::announceEzan(int slot) {
    if (ended_) return;
    windows_.closeEarlier();
    const settings::Settings& s = parts_.settings;
    playSound(s.ezanFiles[static_cast<std::size_t>(slot)]);
    const QString name = qs(settings::ezanSlotName(slot, s.ikindiAtAsrSani));
    if (!boxMode()) {
        balloon(BalloonKind::Information, name, qs(kEzanBalloonText), parts_.player.sounding());
        return;
    }
    windows_.showEzanBox(name, parts_.player.sounding(), [this] { stopSound(); }, [this](bool silencedByUser) {
        if (ended_) return;
        stopSound();
        if (!silencedByUser && !settings::hasRelay(parts_.settings)) playSound(kPrayerAfterEzanFile);
    });
}

void EventPresenter::showWarning(std::string_view text) {
    if (ended_) return;
    windows_.closeEarlier();
    if (boxMode()) {
        windows_.showWarningBox(qs(text));
    } else {
        balloon(BalloonKind::Warning, qs(kWarningBalloonTitle), qs(text));
    }
}

void EventPresenter::showReminder(engine::VakitType prayer) {
    if (ended_) return;
    windows_.closeEarlier();
    const settings::Settings& s = parts_.settings;
    const std::string_view name = engine::vakitNames[static_cast<std::size_t>(prayer)];
    if (boxMode()) {
        windows_.showReminder(qs(reminderDialogText(name, s.reminderMinutes)), qs(s.reminderText),
                              [this] { stopSound(); });
    } else {
        balloon(BalloonKind::Warning, qs(kReminderBalloonTitle), qs(reminderBalloonText(name, s.reminderMinutes)),
                parts_.player.sounding());
    }
}

void EventPresenter::showReligiousDayNotice(std::string_view text, std::string_view title) {
    if (ended_) return;
    if (boxMode()) {
        showMessageBox(qs(title), qs(text));
    } else {
        balloon(BalloonKind::Warning, qs(title), qs(text));
    }
}

void EventPresenter::showError(const QString& text) {
    if (!ended_) showMessageBox(qs(kErrorTitle), text);
}

// In box mode the error is a box of its own; in mode 1 a notification,
// which the desktop shows beside the event's own.
void EventPresenter::reportSoundError(const QString& text) {
    if (ended_) return;
    if (boxMode()) {
        showError(text);
    } else {
        balloon(BalloonKind::Error, qs(kErrorTitle), text);
    }
}

// Balloons show only in message mode 1: through the desktop's
// notifications (with "Sesi Durdur" while the event's sound plays), or the
// tray's own balloon where there is no service.
void EventPresenter::balloon(BalloonKind kind, const QString& title, const QString& text, bool offerStopSound) {
    if (parts_.settings.messageMode != kMessageModeBalloon) return;
    static const platform::NoticeKind kNotices[] = {platform::NoticeKind::Information, platform::NoticeKind::Warning,
                                                    platform::NoticeKind::Error};
    static const QSystemTrayIcon::MessageIcon kIcons[] = {QSystemTrayIcon::Information, QSystemTrayIcon::Warning,
                                                          QSystemTrayIcon::Critical};
    const auto index = static_cast<std::size_t>(kind);
    const bool shown = offerStopSound ? parts_.notifier.notifyWithAction(title.toStdString(), text.toStdString(),
                                                                         kNotices[index], kBalloonTimeoutMs,
                                                                         {"Sesi Durdur", [this] { stopSound(); }})
                                      : parts_.notifier.notify(title.toStdString(), text.toStdString(),
                                                               kNotices[index], kBalloonTimeoutMs);
    if (shown) return;
    parts_.tray.showBalloon(title, text, kIcons[index], kBalloonTimeoutMs);
}

void EventPresenter::endAll() {
    ended_ = true;
    parts_.player.release();
    windows_.closeEarlier();
}

}  // namespace orvanta::shell
