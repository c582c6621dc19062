// SPDX-License-Identifier: GPL-3.0-or-later
// "MP3 » WAV Çevirici" on the offscreen desktop, its file dialogs answered
// by a script: what each dialog is asked, cancel at each step, the warning
// boxes, and nothing waiting for the copy.
#include "media/qt/converter_dialogue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
#include <optional>

#include "tests/support/modal_answer.h"
#include "tests/support/temp_folder.h"

namespace orvanta::media {
namespace {

std::string frames(std::size_t bytes) {
    std::string data("\xFF\xFB\x90\x44", 4);
    data.resize(bytes, '\x55');
    return data;
}

// Runs the event loop until the dialogue has finished; whether it wrote a
// WAV file.
bool finish(const std::optional<bool>& written) {
    while (!written) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return *written;
}

// Runs the dialogue to its end; the text, caption and icon of each warning
// box it shows, one line each.
std::vector<std::string> converterBoxes(test::ScriptedFileChooser& files) {
    std::vector<std::string> boxes;
    QObject scope;  // the answers wait no longer than this run
    std::unique_ptr<test::ModalAnswer> answer;
    std::function<void(QWidget*)> record = [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box) {
            const char* icon = box->icon() == QMessageBox::Warning ? "warning" : "other";
            boxes.push_back(box->windowTitle().toStdString() + " | " + box->text().toStdString() + " | " + icon);
        }
        static_cast<QDialog*>(modal)->done(0);
        QTimer::singleShot(0, &scope, [&] { answer = std::make_unique<test::ModalAnswer>(record); });
    };
    answer = std::make_unique<test::ModalAnswer>(record);
    std::optional<bool> written;
    runMp3Converter(files, [&](bool done) { written = done; });
    finish(written);
    return boxes;
}

TEST(DesktopConverter, CancelAtEitherDialogWritesNothing) {
    test::TempFolder folder;
    const auto source = folder.write("ezan.mp3", frames(500)).string();
    test::ScriptedFileChooser cancelFirst;
    EXPECT_TRUE(converterBoxes(cancelFirst).empty());
    EXPECT_EQ(cancelFirst.asked, std::vector<std::string>{"open Dönüştürülecek MP3 dosyasını seçiniz | "
                                                           "MP3 dosyaları (*.mp3 *.MP3)"});

    test::ScriptedFileChooser cancelSecond;
    cancelSecond.answers = {source, ""};
    EXPECT_TRUE(converterBoxes(cancelSecond).empty());
    ASSERT_EQ(cancelSecond.asked.size(), 2u);
    EXPECT_EQ(cancelSecond.asked[1], "save WAV dosyası | WAV dosyaları (*.wav *.WAV)");
    EXPECT_EQ(cancelSecond.initialPaths[1], (folder / "ezan.wav").string());
    EXPECT_FALSE(std::filesystem::exists(folder / "ezan.wav"));
}

// The source under any spelling (dot, link, hard link, "..") is refused and
// asked again; this file system keeps case, so EZAN.MP3 is another file.
TEST(DesktopConverter, SameFileIsAskedAgainAndFailuresAreWarningBoxes) {
    test::TempFolder folder;
    const auto source = folder.write("ezan.mp3", frames(500)).string();
    std::filesystem::create_symlink(source, folder / "link.mp3");
    std::filesystem::create_hard_link(source, folder / "hard.mp3");
    std::filesystem::create_directory(folder / "sub");
    test::ScriptedFileChooser files;
    files.answers = {source, (folder.path() / "." / "ezan.mp3").string(), (folder / "link.mp3").string(),
                     (folder / "hard.mp3").string(), (folder / "sub" / ".." / "ezan.mp3").string(),
                     (folder / "EZAN.MP3").string()};
    EXPECT_EQ(converterBoxes(files),
              std::vector<std::string>(4, "Hedef Dosya Açılamıyor | KAYNAK ve HEDEF dosyaları farklı olmalı... | warning"));
    EXPECT_EQ(std::filesystem::file_size(folder / "EZAN.MP3"), 570u);
    EXPECT_EQ(std::filesystem::file_size(source), 500u);

    // The wrapper's other failures (pinned with the wrapper) come the same way.
    test::ScriptedFileChooser noFolder;
    noFolder.answers = {source, (folder / "missing" / "ezan.wav").string()};
    const auto boxes = converterBoxes(noFolder);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("Hedef Dosya Açılamıyor | No such file", 0), 0u) << boxes[0];
}

// The menu entry's call returns with the copy still to finish: the file is
// written on a worker thread and the end comes through the event loop.
TEST(DesktopConverter, NothingWaitsForTheCopy) {
    test::TempFolder folder;
    const auto source = folder.write("long.mp3", frames(1u << 20)).string();
    test::ScriptedFileChooser files;
    files.answers = {source, (folder / "long.wav").string()};
    std::optional<bool> written;
    runMp3Converter(files, [&](bool done) { written = done; });
    EXPECT_FALSE(written.has_value());
    EXPECT_TRUE(finish(written));
    EXPECT_EQ(std::filesystem::file_size(folder / "long.wav"), (1u << 20) + 70u);
}

}  // namespace
}  // namespace orvanta::media
