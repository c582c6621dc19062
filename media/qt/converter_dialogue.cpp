// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/qt/converter_dialogue.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QtConcurrent/QtConcurrentRun>

#include "platform/file_chooser.h"

namespace orvanta::media {

namespace {

std::optional<std::filesystem::path> chosen(const std::string& path) {
    if (path.empty()) return std::nullopt;
    return std::filesystem::path(path);
}

std::string filter(std::string_view name, std::string_view extension) {
    std::string upper(extension);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return std::string(name) + " (*." + std::string(extension) + " *." + upper + ")";
}

}  // namespace

std::optional<std::filesystem::path> DesktopConverterDialogs::chooseSource() {
    return chosen(files_.fileToOpen(std::string(texts::kOpenTitle), "", filter(texts::kOpenFilter, "mp3")));
}

std::optional<std::filesystem::path> DesktopConverterDialogs::chooseDestination(const std::filesystem::path& folder,
                                                                                const std::string& proposedName) {
    return chosen(
        files_.fileToSave(std::string(texts::kSaveTitle), (folder / proposedName).string(), filter(texts::kSaveFilter, "wav")));
}

void DesktopConverterDialogs::warn(const Warning& warning) {
    QMessageBox::warning(nullptr, QString::fromStdString(warning.caption), QString::fromStdString(warning.body));
}

std::optional<Warning> DesktopConverterDialogs::wrap(const std::filesystem::path& source,
                                                     const std::filesystem::path& destination) {
    QFutureWatcher<std::optional<Warning>> copy;
    QEventLoop wait;
    QObject::connect(&copy, &QFutureWatcher<std::optional<Warning>>::finished, &wait, &QEventLoop::quit);
    copy.setFuture(QtConcurrent::run([source, destination] { return wrapMp3AsWav(source, destination); }));
    if (!copy.isFinished()) wait.exec();
    return copy.result();
}

bool runMp3Converter(platform::FileChooser& files) {
    DesktopConverterDialogs dialogs(files);
    return convertMp3ToWav(dialogs);
}

}  // namespace orvanta::media
