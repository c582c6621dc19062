// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/tray_and_strip.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "platform/notifier.h"
#include "shell/qt/event_windows.h"

namespace orvanta::shell {

namespace {
constexpr int kTrayRecheckMs = 10'000;
constexpr int kNoticeTimeoutMs = 33333;
const QString kItemTitle = QStringLiteral("Orvanta");
}  // namespace

TrayAndStrip::TrayAndStrip(QObject* parent) : QObject(parent), menu_(TrayMenu::builtInTable()) {
    QApplication::instance()->installEventFilter(this);
    connect(&menu_, &TrayMenu::commandChosen, this, &TrayAndStrip::commandChosen);
    connect(&strip_, &TimeStrip::menuRequested, this, [this](const QPoint& at) { menu_.menu()->popup(at); });
    connect(&tray_, &QSystemTrayIcon::activated, this, &TrayAndStrip::onActivated);
    // A single click toggles the strip only once the double-click time has
    // passed without a second click.
    singleClickTimer_.setSingleShot(true);
    connect(&singleClickTimer_, &QTimer::timeout, &strip_, &TimeStrip::toggle);
    // A panel that starts after the program brings the icon after all.
    trayRecheckTimer_.setInterval(kTrayRecheckMs);
    connect(&trayRecheckTimer_, &QTimer::timeout, this, [this] {
        if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
        trayRecheckTimer_.stop();
        tray_.show();
        strip_.hide();
    });
}

void TrayAndStrip::setIcon(const QIcon& icon) {
    tray_.setIcon(icon);
    tray_.setToolTip(kItemTitle);
    tray_.setContextMenu(menu_.menu());
    strip_.setWindowIcon(icon);
}

void TrayAndStrip::show(platform::Notifier& notifier) {
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        tray_.show();
        return;
    }
    strip_.toggle();
    announceMissingTray(notifier);
    trayRecheckTimer_.start();
}

void TrayAndStrip::hide() {
    singleClickTimer_.stop();
    trayRecheckTimer_.stop();
    tray_.hide();
    strip_.hide();
}

void TrayAndStrip::announceMissingTray(platform::Notifier& notifier) {
    const QString text = QStringLiteral(
        "Masaüstünde bildirim alanı bulunamadı. Orvanta çalışmaya devam ediyor: kalan süreyi ekranın sol üst "
        "köşesindeki zaman şeridi gösteriyor; menü için şeride sağ tıklayın.");
    if (!notifier.notify(kItemTitle.toStdString(), text.toStdString(), platform::NoticeKind::Information,
                         kNoticeTimeoutMs)) {
        showMessageBox(kItemTitle, text);
    }
}

void TrayAndStrip::setTip(const QString& text) {
    tray_.setToolTip(text);
    strip_.setText(text);
}

bool TrayAndStrip::showBalloon(const QString& title, const QString& text, QSystemTrayIcon::MessageIcon icon,
                               int timeoutMs) {
    if (!tray_.isVisible()) return false;
    tray_.showMessage(title, text, icon, timeoutMs);
    return true;
}

QScreen* TrayAndStrip::screen() const {
    QScreen* screen = QGuiApplication::screenAt(tray_.geometry().center());
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// Just before a window shows: a window modal to the whole application
// becomes modal to its parent alone (to nothing, without a parent).
bool TrayAndStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->windowModality() == Qt::ApplicationModal) {
            window->setWindowModality(Qt::WindowModal);
        }
    }
    return false;
}

void TrayAndStrip::onActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger: singleClickTimer_.start(QApplication::doubleClickInterval()); break;
        case QSystemTrayIcon::DoubleClick: singleClickTimer_.stop(); break;
        case QSystemTrayIcon::MiddleClick: emit middleClicked(); break;
        default: break;
    }
}

}  // namespace orvanta::shell
