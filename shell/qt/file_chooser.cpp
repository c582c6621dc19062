#include "shell/qt/file_chooser.h"

#include <QFileDialog>

namespace orvanta::shell {

QString DialogFileChooser::fileToOpen(const QString& title, const QString& initialPath, const QString& filters) {
    return QFileDialog::getOpenFileName(nullptr, title, initialPath, filters);
}

}  // namespace orvanta::shell
