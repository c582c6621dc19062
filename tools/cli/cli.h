// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli: the engine's answers on the command line.
#pragma once

#include <functional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvanta::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// A command that could not do its work: what() is printed on standard error
// as it is, and the status is kExitFailure unless another is given.
class CommandFailure : public std::runtime_error {
public:
    explicit CommandFailure(const std::string& message, int status = kExitFailure)
        : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

// Runs one command line (without the program name). Results go to out; a
// bad argument prints one line on err, nothing on out, and returns
// kExitUsage.
int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// Runs one subcommand (args[0] is its name) as runCli does: its results,
// or its error on err with the matching status.
int runCommand(std::span<const std::string> args,
               const std::function<int(std::span<const std::string>, std::ostream&)>& command, std::ostream& out,
               std::ostream& err);

// The whole of a helper program's main(): orvanta-cli starts it with its
// own command line, whose first word must be `subcommand` (else `usage`,
// how it is started, on standard error and kExitUsage); the rest runs as
// runCommand runs it, and a failed write of the results fails the program.
int runHelperProgram(int argc, char** argv, std::string_view subcommand, std::string_view usage,
                     const std::function<int(std::span<const std::string>, std::ostream&)>& command);

// Subcommands; args are the options after the subcommand's name. They throw
// UsageError on a bad argument before writing anything to out.
int runTimes(std::span<const std::string> args, std::ostream& out);
int runHijri(std::span<const std::string> args, std::ostream& out);
int runSky(std::span<const std::string> args, std::ostream& out);
int runPlace(std::span<const std::string> args, std::ostream& out);
int runMp3Wav(std::span<const std::string> args, std::ostream& out);
int runEvents(std::span<const std::string> args, std::ostream& out);
int runReport(std::span<const std::string> args, std::ostream& out);
int runRender(std::span<const std::string> args, std::ostream& out);
int runNext(std::span<const std::string> args, std::ostream& out);
int runExport(std::span<const std::string> args, std::ostream& out);
// Exit status of timecheck when no server answered.
inline constexpr int kExitNoAnswer = 3;
// In the helper program orvanta-timecheck, which orvanta-cli starts for
// "timecheck" (the time check needs Qt; the other commands do not load it).
int runTimecheck(std::span<const std::string> args, std::ostream& out);
// In the helper program orvanta-report-pdf, which orvanta-cli starts for
// "report ... --format pdf" (Qt lays the PDF out).
int runReportPdf(std::span<const std::string> args, std::ostream& out);

}  // namespace orvanta::cli
