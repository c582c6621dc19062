// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/qt_file_dialogs.h"

#include <QFileDialog>

namespace orvanta::platform {

namespace {

// Without a parent, open() makes the dialog modal to nothing.
void openDialog(QFileDialog::AcceptMode mode, const std::string& title, const std::string& initialPath,
                const std::string& filters, FileChooser::Answer answer) {
    auto* dialog = new QFileDialog(nullptr, QString::fromStdString(title), QString::fromStdString(initialPath),
                                   QString::fromStdString(filters));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, answer = std::move(answer)](int result) {
        const QStringList chosen = dialog->selectedFiles();
        answer(result == QDialog::Accepted && !chosen.isEmpty() ? chosen.first().toStdString() : std::string());
    });
    dialog->open();
}

}  // namespace

void QtFileDialogs::fileToOpen(const std::string& title, const std::string& initialPath, const std::string& filters,
                               Answer answer) {
    openDialog(QFileDialog::AcceptOpen, title, initialPath, filters, std::move(answer));
}

void QtFileDialogs::fileToSave(const std::string& title, const std::string& initialPath, const std::string& filters,
                               Answer answer) {
    openDialog(QFileDialog::AcceptSave, title, initialPath, filters, std::move(answer));
}

}  // namespace orvanta::platform
