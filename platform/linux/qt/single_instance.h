// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per user session: a lock file in the user's runtime
// folder ($XDG_RUNTIME_DIR) decides which copy runs, and a local socket
// beside it lets a later start hand the running copy a request
// ("toggle-strip") before it exits.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace orvanta::platform {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // runtimeFolder: where the lock and the socket live.
    explicit SingleInstance(const QString& runtimeFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is now the running copy. False when another
    // copy holds the lock (or the folder is unusable: then `error` says why).
    bool claim();
    QString error() const { return error_; }

    // Sends a request to the running copy; false when none answered.
    bool sendToRunning(const QString& request, int timeoutMs = 2000) const;

    // The user's runtime folder: $XDG_RUNTIME_DIR, else a private folder in
    // the temporary directory.
    static QString defaultRuntimeFolder();

signals:
    void requestReceived(const QString& request);

private:
    void onConnection();

    QString lockPath_;
    QString socketPath_;
    QString error_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

}  // namespace orvanta::platform
