// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/qt/file_download.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <memory>
#include <system_error>

#include "common/file_access.h"

namespace orvanta::settings {

namespace {

constexpr int kHttpOk = 200;

DownloadResult failure(QString detail) { return {false, std::move(detail)}; }

}  // namespace

DownloadResult downloadFile(const QUrl& address, const std::filesystem::path& target, const QByteArray& expectedStart,
                            int stallTimeoutMs) {
    // A FIFO or device in the file's place is neither written nor replaced.
    std::error_code error;
    const auto existing = std::filesystem::status(target, error);
    if (std::filesystem::exists(existing) && !std::filesystem::is_regular_file(existing)) {
        return failure(
            QString::fromUtf8(common::kNotRegularFileReason.data(),
                              static_cast<qsizetype>(common::kNotRegularFileReason.size())));
    }
    QSaveFile file(QString::fromStdString(target.string()));
    if (!file.open(QIODevice::WriteOnly)) return failure(file.errorString());

    QNetworkAccessManager manager;
    QNetworkRequest request(address);
    request.setTransferTimeout(stallTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));

    qint64 received = 0;
    QByteArray start;
    const auto take = [&] {
        if (!reply->isOpen()) return;
        const QByteArray piece = reply->readAll();
        received += piece.size();
        if (start.size() < expectedStart.size()) start += piece.left(expectedStart.size() - start.size());
        if (file.write(piece) != piece.size()) reply->abort();
    };
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The program ending stops the download.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, reply.get(), &QNetworkReply::abort);
    if (!reply->isFinished()) loop.exec();
    take();

    if (file.error() != QFileDevice::NoError) return failure(file.errorString());
    if (reply->error() != QNetworkReply::NoError) return failure(reply->errorString());
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != kHttpOk) return failure(QStringLiteral("HTTP status %1").arg(status));
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != received) {
        return failure(QStringLiteral("%1 of %2 bytes received").arg(received).arg(length.toLongLong()));
    }
    if (start != expectedStart) return failure(QStringLiteral("not the expected kind of file"));
    if (!file.commit()) return failure(file.errorString());
    return {true, {}};
}

}  // namespace orvanta::settings
