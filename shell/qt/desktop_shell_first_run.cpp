// The first run's welcome and the words for an entry that cannot be used.
#include <QMenu>

#include "platform/notifier.h"
#include "settings/program_folder.h"
#include "settings/qt/welcome_dialog.h"
#include "shell/messages.h"
#include "shell/qt/desktop_shell.h"

namespace orvanta::shell {

namespace {

constexpr int kNoticeTimeoutMs = 33333;

const QString kWakeUnavailable = QStringLiteral(
    "\"Bilgisayarı Uyandır\" kullanılamıyor: bilgisayarın uyandırma saatini "
    "(/sys/class/rtc/rtc0/wakealarm) bu kullanıcı yazamıyor; yöneticinin kuracağı "
    "60-orvanta-rtc-wakealarm.rules udev kuralı bu izni \"users\" grubuna verir (bkz. README).");

}  // namespace

std::filesystem::path DesktopShell::placeListFile() const {
    return findFile(settings::companionPath({}, "csv").filename())
        .value_or(settings::companionPath(folders_.programFolder, "csv"));
}

void DesktopShell::openCalculationOrWelcome() {
    if (settings_.placeChosen) {
        openCalculationParameters();
    } else {
        openWelcome();
    }
}

// The welcome leaves a place from the list, the calculation chosen and the
// autostart entry; the options are written with it, so the next start is
// no first run. "Elle gir" goes on to the full dialog. Cancelled, nothing
// is written and the tip keeps saying that no place is chosen.
void DesktopShell::openWelcome() {
    settings::WelcomeDialog dialog(settings::readPlaceList(placeListFile()), services_.clock.systemZone().ianaName,
                                   [this] { listenEzan(0); });
    const int result = dialog.exec();
    soundPlayer_.stop();
    if (shutDown_) return;
    if (result == settings::WelcomeDialog::kEnterByHand) {
        openCalculationParameters();
        return;
    }
    if (result != QDialog::Accepted) return;
    settings::applyWelcomeChoice(dialog.choice(), settings_);
    settings::SaveResult saved = settings::saveCalculationParameters(ini_, settings_, engine_);
    saved &= settings::saveOptions(ini_, settings_, services_.autostart);
    if (!saved) showError(QString::fromStdString(saved.message));
    scheduler_->onCalculationChanged();
}

void DesktopShell::explainWakeUnavailable() {
    QAction* entry = menu_.action(command::kWake);
    entry->setToolTip(kWakeUnavailable);
    for (QMenu* submenu : menu_.menu()->findChildren<QMenu*>()) submenu->setToolTipsVisible(true);
    menu_.menu()->setToolTipsVisible(true);
    if (wakeExplained_) return;
    wakeExplained_ = true;
    if (!services_.notifier.notify("Orvanta", kWakeUnavailable.toStdString(), platform::NoticeKind::Warning,
                                   kNoticeTimeoutMs)) {
        showMessageBoxWithoutWaiting(QString::fromUtf8(kErrorTitle.data(), kErrorTitle.size()), kWakeUnavailable);
    }
}

}  // namespace orvanta::shell
