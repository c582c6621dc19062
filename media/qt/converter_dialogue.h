// SPDX-License-Identifier: GPL-3.0-or-later
// "MP3 » WAV Çevirici" on the desktop: the file dialogs, the warning boxes,
// and the copy on a worker thread. Nothing waits for the dialogue: each
// dialog and box is a window modal to nothing, answered when the user
// closes it, so the tray, the time strip and the scheduler go on meanwhile.
#pragma once

#include <QObject>

#include "media/mp3_to_wav.h"

namespace orvanta::platform {
class FileChooser;
}

namespace orvanta::media {

class DesktopConverterDialogs : public QObject, public ConverterDialogs {
public:
    explicit DesktopConverterDialogs(platform::FileChooser& files, QObject* parent = nullptr)
        : QObject(parent), files_(files) {}

    void chooseSource(PathAnswer answer) override;
    void chooseDestination(const std::filesystem::path& folder, const std::string& proposedName,
                           PathAnswer answer) override;
    // A warning box without an owner.
    void warn(const Warning& warning, std::function<void()> closed) override;
    // The copy runs on a worker thread; done comes on this one.
    void wrap(const std::filesystem::path& source, const std::filesystem::path& destination,
              std::function<void(std::optional<Warning>)> done) override;

private:
    platform::FileChooser& files_;
};

// Starts the whole dialogue of the menu entry and returns; finished gets
// whether a WAV file was written, when the dialogue is over.
void runMp3Converter(platform::FileChooser& files, std::function<void(bool written)> finished);

}  // namespace orvanta::media
