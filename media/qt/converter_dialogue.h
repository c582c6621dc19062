// SPDX-License-Identifier: GPL-3.0-or-later
// "MP3 » WAV Çevirici" on the desktop: the file dialogs, the warning boxes,
// and the copy on a worker thread, so that the tray, the time strip and the
// scheduler go on while a large file is written.
#pragma once

#include "media/mp3_to_wav.h"

namespace orvanta::platform {
class FileChooser;
}

namespace orvanta::media {

class DesktopConverterDialogs : public ConverterDialogs {
public:
    explicit DesktopConverterDialogs(platform::FileChooser& files) : files_(files) {}

    std::optional<std::filesystem::path> chooseSource() override;
    std::optional<std::filesystem::path> chooseDestination(const std::filesystem::path& folder,
                                                           const std::string& proposedName) override;
    // A warning box without an owner.
    void warn(const Warning& warning) override;
    // The copy runs on a worker thread while this thread's events go on.
    std::optional<Warning> wrap(const std::filesystem::path& source, const std::filesystem::path& destination) override;

private:
    platform::FileChooser& files_;
};

// The whole dialogue of the menu entry; whether a WAV file was written.
bool runMp3Converter(platform::FileChooser& files);

}  // namespace orvanta::media
