// Asking the user for a file to open, behind an interface so tests can
// answer in the dialog's place.
#pragma once

#include <QString>

namespace orvanta::shell {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or empty when the user cancelled.
    // filters: Qt's form, "Name (*.ext);;Other (*)".
    virtual QString fileToOpen(const QString& title, const QString& initialPath, const QString& filters) = 0;
};

// The desktop's own file dialog.
class DialogFileChooser : public FileChooser {
public:
    QString fileToOpen(const QString& title, const QString& initialPath, const QString& filters) override;
};

}  // namespace orvanta::shell
