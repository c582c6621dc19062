// SPDX-License-Identifier: GPL-3.0-or-later
// An HTTP download that never leaves a partial file behind: the body goes
// into a temporary file beside the target, which becomes the target only
// when the whole body has come and looks right.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <filesystem>

namespace orvanta::settings {

struct DownloadResult {
    bool ok = false;
    QString detail;  // why it failed, in English, for the log
};

// Fetches `address` into `target`, waiting in a nested event loop so that
// the program keeps running. Fails on an HTTP status other than 200, a body
// shorter than its Content-Length, no data for `stallTimeoutMs`, a body
// that does not start with `expectedStart`, or a file that cannot be
// written; the target is then left as it was.
DownloadResult downloadFile(const QUrl& address, const std::filesystem::path& target, const QByteArray& expectedStart,
                            int stallTimeoutMs);

}  // namespace orvanta::settings
