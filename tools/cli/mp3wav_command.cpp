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

    void chooseSource(PathAnswer answer) override { answer(source_); }
    void chooseDestination(const std::filesystem::path&, const std::string&, PathAnswer answer) override {
        if (asked_) return answer(std::nullopt);
        asked_ = true;
        answer(destination_);
    }
    void warn(const media::Warning& warning, std::function<void()> closed) override {
        warnings_ << warning.caption << ": " << warning.body << '\n';
        closed();
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
    // Every answer here comes at once: the conversion is over on return.
    bool written = false;
    media::convertMp3ToWav(dialogs, [&written](bool done) { written = done; });
    if (!written) throw CommandFailure(dialogs.warnings());
    return kExitOk;
}

}  // namespace orvanta::cli
