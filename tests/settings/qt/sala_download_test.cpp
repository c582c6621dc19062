// SPDX-License-Identifier: GPL-3.0-or-later
// The salâ recording's download, asked for by the options dialog, from a
// real HTTP server on the loopback interface: only a whole wave becomes the
// file, and a FIFO in the file's place is left alone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest/QTest>

#include "settings/qt/file_download.h"
#include "tests/settings/qt/settings_dialogs_fixture.h"
#include "tests/support/modal_answer.h"
#include "tests/support/temp_folder.h"

namespace orvanta::settings {
namespace {

// An HTTP server on the loopback interface that answers every request
// the same way.
class LoopbackHttpServer {
public:
    enum class Reply { File, NotFound, CutMidBody, Never, NotAWave };
    explicit LoopbackHttpServer(Reply reply) : reply_(reply) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().contains("\r\n\r\n")) return;
                ++requests;
                answer(socket);
            });
        });
    }
    QUrl base() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort())); }
    static QByteArray body() { return QByteArray("RIFF") + QByteArray(40000, 'x'); }
    int requests = 0;

private:
    void answer(QTcpSocket* socket) {
        const QByteArray content = reply_ == Reply::NotAWave ? QByteArray("<html>portal</html>") : body();
        const QByteArray head = "HTTP/1.1 %s\r\nContent-Type: audio/wav\r\nContent-Length: " +
                                QByteArray::number(content.size()) + "\r\nConnection: close\r\n\r\n";
        switch (reply_) {
            case Reply::Never: return;
            case Reply::NotFound:
                socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                break;
            case Reply::CutMidBody: socket->write(QByteArray(head).replace("%s", "200 OK") + content.left(1000)); break;
            default: socket->write(QByteArray(head).replace("%s", "200 OK") + content); break;
        }
        socket->disconnectFromHost();
    }
    QTcpServer server_;
    Reply reply_;
};

TEST(OptionsDialog, SalaDownloadOnlyAWholeWaveBecomesTheFile) {
    struct Case {
        LoopbackHttpServer::Reply reply;
        bool arrives;
    };
    const Case cases[] = {{LoopbackHttpServer::Reply::File, true},
                          {LoopbackHttpServer::Reply::NotFound, false},
                          {LoopbackHttpServer::Reply::CutMidBody, false},
                          {LoopbackHttpServer::Reply::Never, false},
                          {LoopbackHttpServer::Reply::NotAWave, false}};
    for (const Case& c : cases) {
        test::TempFolder folder;
        LoopbackHttpServer server(c.reply);
        Settings settings;
        settings.salaBeforeEnd = true;
        settings.reminderFile = "SALA.WAV";
        RecordingHost host;
        host.target = folder / "sala.wav";
        host.address = server.base();
        OptionsDialog dialog(settings, host);
        dialog.setDownloadStallTimeoutMs(300);
        QStringList boxes;
        QString caption;
        // The question, then (after a failure) the warning.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            boxes << box->text();
            caption = control(&dialog, "saveButton")->property("text").toString();
            const bool question = box->text().startsWith(QStringLiteral("Salâ dosyası (sala.wav)"));
            box->button(question ? QMessageBox::Yes : QMessageBox::Ok)->click();
        });
        answer.start(5);
        click(&dialog, "saveButton");
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << "the options are saved whatever the download did";
        EXPECT_EQ(server.requests, 1);
        EXPECT_EQ(std::filesystem::exists(host.target), c.arrives);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), c.arrives ? 1 : 0)
            << "no partial file is left";
        ASSERT_EQ(boxes.size(), c.arrives ? 1 : 2);
        EXPECT_EQ(boxes[0], QStringLiteral("Salâ dosyası (sala.wav) yüklü değil.\nŞimdi yüklemek ister misiniz?\n"));
        if (!c.arrives) {
            EXPECT_EQ(boxes[1], QStringLiteral("Salâ dosyası bulunamadı...\n"));
            EXPECT_EQ(caption, QStringLiteral("Yüklüyor..."));
        }
    }
}

// A FIFO in the salâ file's place would have been written into (a hang)
// or replaced by the download.
TEST(FileDownload, FifoInTheFilesPlaceIsLeftAlone) {
    test::TempFolder folder;
    ASSERT_EQ(mkfifo((folder / "sala.wav").c_str(), 0600), 0);
    LoopbackHttpServer server(LoopbackHttpServer::Reply::File);
    EXPECT_FALSE(downloadFile(server.base(), folder / "sala.wav", "RIFF", 300).ok);
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "sala.wav"));
}

}  // namespace
}  // namespace orvanta::settings
