// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/desktop_services_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace orvanta::platform {

bool DesktopServicesOpener::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    // An absolute path is a local file; anything else is an address.
    const QUrl url = text.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(text) : QUrl(text);
    return QDesktopServices::openUrl(url);
}

}  // namespace orvanta::platform
