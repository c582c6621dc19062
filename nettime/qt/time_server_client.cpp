#include "nettime/qt/time_server_client.h"

#include <QDateTime>
#include <QEventLoop>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>
#include <span>

#include "nettime/time_protocol.h"

namespace orvanta::nettime {

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

QByteArray requestFor(TimeProtocol protocol) {
    if (protocol == TimeProtocol::Sntp) {
        const auto packet = sntpRequest();
        return QByteArray(reinterpret_cast<const char*>(packet.data()), static_cast<qsizetype>(packet.size()));
    }
    return QByteArray(reinterpret_cast<const char*>(kTimeRequest.data()), static_cast<qsizetype>(kTimeRequest.size()));
}

std::optional<std::int64_t> replyToUnix(TimeProtocol protocol, const QByteArray& reply) {
    const auto seconds = protocol == TimeProtocol::Sntp ? sntpReplyToUnix(bytesOf(reply)) : timeReplyToUnix(bytesOf(reply));
    if (!seconds || !isPlausibleServerTime(*seconds)) return std::nullopt;
    return seconds;
}

}  // namespace

TimeServerClient::TimeServerClient(QObject* parent) : QObject(parent) {}

void TimeServerClient::cancel() {
    cancelled_ = true;
    if (waiting_ != nullptr) waiting_->quit();
}

void TimeServerClient::wait(QEventLoop& loop) {
    waiting_ = &loop;
    if (!cancelled_) loop.exec();
    waiting_ = nullptr;
}

std::optional<ServerAnswer> TimeServerClient::ask(const TimeServerList& list) {
    busy_ = true;
    cancelled_ = false;
    std::optional<ServerAnswer> answer;
    for (const TimeServer& server : list.servers) {
        if (cancelled_) break;
        emit asking(QString::fromStdString(server.entry));
        answer = askOne(server, list.hostTimeoutMs);
        if (answer) break;
    }
    busy_ = false;
    return cancelled_ ? std::nullopt : answer;
}

// A dotted address is taken as it is; a name is looked up without blocking.
std::optional<QString> TimeServerClient::resolve(const QString& host) {
    QHostAddress dotted;
    if (dotted.setAddress(host) && dotted.protocol() == QAbstractSocket::IPv4Protocol) return dotted.toString();
    std::optional<QString> found;
    QEventLoop loop;
    const int lookup = QHostInfo::lookupHost(host, &loop, [&](const QHostInfo& info) {
        for (const QHostAddress& address : info.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                found = address.toString();
                break;
            }
        }
        loop.quit();
    });
    wait(loop);
    if (cancelled_) QHostInfo::abortHostLookup(lookup);
    return found;
}

std::optional<ServerAnswer> TimeServerClient::askOne(const TimeServer& server, int timeoutMs) {
    const std::optional<QString> address = resolve(QString::fromStdString(server.host));
    if (!address || cancelled_) return std::nullopt;
    const QHostAddress serverAddress(*address);
    QUdpSocket socket;
    if (!socket.bind(QHostAddress::AnyIPv4, 0)) return std::nullopt;
    if (socket.writeDatagram(requestFor(server.protocol), serverAddress, server.port) < 0) return std::nullopt;

    std::optional<ServerAnswer> answer;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&socket, &QUdpSocket::readyRead, &loop, [&] {
        while (socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = socket.receiveDatagram();
            // Only the server asked may answer; its port is not compared.
            if (datagram.senderAddress().toIPv4Address() != serverAddress.toIPv4Address()) continue;
            const auto seconds = replyToUnix(server.protocol, datagram.data());
            if (!seconds) continue;
            answer = ServerAnswer{server, *address, *seconds, QDateTime::currentSecsSinceEpoch()};
            loop.quit();
            return;
        }
    });
    if (timeoutMs > 0) {
        timeout.start(timeoutMs);
        wait(loop);
    }
    return answer;
}

}  // namespace orvanta::nettime
