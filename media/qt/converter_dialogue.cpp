// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/qt/converter_dialogue.h"

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

void DesktopConverterDialogs::chooseSource(PathAnswer answer) {
    files_.fileToOpen(std::string(texts::kOpenTitle), "", filter(texts::kOpenFilter, "mp3"),
                      [answer = std::move(answer)](const std::string& path) { answer(chosen(path)); });
}

void DesktopConverterDialogs::chooseDestination(const std::filesystem::path& folder, const std::string& proposedName,
                                                PathAnswer answer) {
    files_.fileToSave(std::string(texts::kSaveTitle), (folder / proposedName).string(), filter(texts::kSaveFilter, "wav"),
                      [answer = std::move(answer)](const std::string& path) { answer(chosen(path)); });
}

void DesktopConverterDialogs::warn(const Warning& warning, std::function<void()> closed) {
    auto* box = new QMessageBox(QMessageBox::Warning, QString::fromStdString(warning.caption),
                                QString::fromStdString(warning.body));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [closed = std::move(closed)] { closed(); });
    box->open();
}

void DesktopConverterDialogs::wrap(const std::filesystem::path& source, const std::filesystem::path& destination,
                                   std::function<void(std::optional<Warning>)> done) {
    auto* copy = new QFutureWatcher<std::optional<Warning>>(this);
    connect(copy, &QFutureWatcher<std::optional<Warning>>::finished, this, [copy, done = std::move(done)] {
        copy->deleteLater();
        done(copy->result());
    });
    copy->setFuture(QtConcurrent::run([source, destination] { return wrapMp3AsWav(source, destination); }));
}

// The dialogs go when the dialogue is over.
void runMp3Converter(platform::FileChooser& files, std::function<void(bool written)> finished) {
    auto* dialogs = new DesktopConverterDialogs(files);
    convertMp3ToWav(*dialogs, [dialogs, finished = std::move(finished)](bool written) {
        dialogs->deleteLater();
        if (finished) finished(written);
    });
}

}  // namespace orvanta::media
