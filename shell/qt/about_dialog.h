// SPDX-License-Identifier: GPL-3.0-or-later
// "Hakkında": the program's credit, its home page and a mail to its authors.
#pragma once

#include <QDialog>
#include <QIcon>

#include "ui_about_dialog.h"

namespace orvanta::platform {
class DesktopOpener;
}

namespace orvanta::shell {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // An empty address greys its button (the build names no web site or
    // mail address).
    AboutDialog(const QIcon& icon, const QString& homePage, const QString& mailAddress,
                platform::DesktopOpener& opener, QWidget* parent = nullptr);

private:
    Ui::AboutDialog ui_;
};

}  // namespace orvanta::shell
