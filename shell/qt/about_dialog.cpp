// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/about_dialog.h"

#include "platform/desktop_opener.h"

namespace orvanta::shell {

namespace {
constexpr int kIconPixels = 48;
}

AboutDialog::AboutDialog(const QIcon& icon, const QString& homePage, const QString& mailAddress,
                         platform::DesktopOpener& opener, QWidget* parent)
    : QDialog(parent) {
    ui_.setupUi(this);
    ui_.icon->setPixmap(icon.pixmap(kIconPixels, kIconPixels));
    ui_.credit->setText(QStringLiteral(
        "Orvanta %1\n\nNamaz vakitleri saati: vakitleri güneşin konumundan hesaplar, "
        "ezanı ve salâyı vaktinde okur, Hicri takvimi aydan bulur.\n\n"
        "Özgür yazılım olarak Linux masaüstü için geliştirilmiştir.")
                            .arg(QStringLiteral(ORVANTA_VERSION)));
    ui_.webButton->setEnabled(!homePage.isEmpty());
    ui_.mailButton->setEnabled(!mailAddress.isEmpty());
    // The system's answer is not checked: the dialog closes either way.
    connect(ui_.webButton, &QPushButton::clicked, this, [this, &opener, homePage] {
        opener.open(homePage.toStdString());
        accept();
    });
    connect(ui_.mailButton, &QPushButton::clicked, this, [this, &opener, mailAddress] {
        opener.open("mailto:" + mailAddress.toStdString());
        accept();
    });
    connect(ui_.okButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace orvanta::shell
