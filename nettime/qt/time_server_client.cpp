// SPDX-License-Identifier: GPL-3.0-or-later
#include "nettime/qt/time_server_client.h"

#include <QDateTime>
#include <QEventLoop>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QTimer>
#include <QUdpSocket>
#include <span>

#include "nettime/time_protocol.h"

namespace orvanta::nettime {

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

QByteArray requestFor(TimeProtocol protocol, std::uint64_t nonce) {
    if (protocol == TimeProtocol::Sntp) {
        const auto packet = sntpRequest(nonce);
        return QByteArray(reinterpret_cast<const char*>(packet.data()), static_cast<qsizetype>(packet.size()));
    }
    return QByteArray(reinterpret_cast<const char*>(kTimeRequest.data()), static_cast<qsizetype>(kTimeRequest.size()));
}

std::optional<std::int64_t> replyToUnix(TimeProtocol protocol, const QByteArray& reply, std::uint64_t nonce) {
    const auto seconds =
        protocol == TimeProtocol::Sntp ? sntpReplyToUnix(bytesOf(reply), nonce) : timeReplyToUnix(bytesOf(reply));
    if (!seconds || !isPlausibleServerTime(*seconds)) return std::nullopt;
    return seconds;
}

// A fresh random transmit timestamp for each SNTP request; never 0, which
// a careless server might echo without having read the request.
std::uint64_t newNonce() {
    std::uint64_t nonce = 0;
    while (nonce == 0) nonce = QRandomGenerator::system()->generate64();
    return nonce;
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
    const std::uint64_t nonce = newNonce();
    if (socket.writeDatagram(requestFor(server.protocol, nonce), serverAddress, server.port) < 0) return std::nullopt;

    std::optional<ServerAnswer> answer;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&socket, &QUdpSocket::readyRead, &loop, [&] {
        while (socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = socket.receiveDatagram();
            // Only the server asked may answer, from the port asked.
            const bool fromServer = datagram.senderAddress().toIPv4Address() == serverAddress.toIPv4Address() &&
                                    datagram.senderPort() == server.port;
            if (!fromServer) continue;
            const auto seconds = replyToUnix(server.protocol, datagram.data(), nonce);
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
