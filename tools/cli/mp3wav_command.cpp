// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli mp3wav: the MP3-to-WAV converter with its file choices given
// on the command line.
#include <ostream>
#include <sstream>

#include "media/mp3_to_wav.h"
#include "tools/cli/arguments.h"
#include "tools/cli/cli.h"

namespace orvanta::cli {

namespace {

// Answers the converter's questions with the two paths; asked for the
// destination a second time (it was the source), it cancels, as a person
// would who has no other name to give.
class CommandLineDialogs : public media::ConverterDialogs {
public:
    CommandLineDialogs(std::filesystem::path source, std::filesystem::path destination)
        : source_(std::move(source)), destination_(std::move(destination)) {}

    std::optional<std::filesystem::path> chooseSource() override { return source_; }
    std::optional<std::filesystem::path> chooseDestination(const std::filesystem::path&,
                                                           const std::string&) override {
        if (asked_) return std::nullopt;
        asked_ = true;
        return destination_;
    }
    void warn(const media::Warning& warning) override {
        warnings_ << warning.caption << ": " << warning.body << '\n';
    }
    std::string warnings() const { return warnings_.str(); }

private:
    std::filesystem::path source_;
    std::filesystem::path destination_;
    bool asked_ = false;
    std::ostringstream warnings_;
};

}  // namespace

int runMp3Wav(std::span<const std::string> args, std::ostream&) {
    if (args.size() != 2 || args[0].empty() || args[1].empty()) {
        throw UsageError("expects two file names: SOURCE.mp3 DEST.wav");
    }
    CommandLineDialogs dialogs(args[0], args[1]);
    if (!media::convertMp3ToWav(dialogs)) throw CommandFailure(dialogs.warnings());
    return kExitOk;
}

}  // namespace orvanta::cli
