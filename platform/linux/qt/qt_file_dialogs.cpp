// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/qt_file_dialogs.h"

#include <QFileDialog>

namespace orvanta::platform {

std::string QtFileDialogs::fileToOpen(const std::string& title, const std::string& initialPath,
                                      const std::string& filters) {
    return QFileDialog::getOpenFileName(nullptr, QString::fromStdString(title), QString::fromStdString(initialPath),
                                        QString::fromStdString(filters))
        .toStdString();
}

std::string QtFileDialogs::fileToSave(const std::string& title, const std::string& initialPath,
                                      const std::string& filters) {
    return QFileDialog::getSaveFileName(nullptr, QString::fromStdString(title), QString::fromStdString(initialPath),
                                        QString::fromStdString(filters))
        .toStdString();
}

}  // namespace orvanta::platform
