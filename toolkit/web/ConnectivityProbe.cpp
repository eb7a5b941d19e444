#include "toolkit/web/ConnectivityProbe.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QTcpSocket>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace toolkit {

namespace {

std::chrono::milliseconds remaining(const QDeadlineTimer& deadline) {
    return std::chrono::milliseconds(std::max<qint64>(0, deadline.remainingTime()));
}

// Resolves `host` without waiting past `deadline`. The system resolver cannot
// be interrupted, so it runs on a thread of its own; a lookup that outlives
// the deadline finishes there and its answer is dropped.
QList<QHostAddress> lookUp(const QString& host, const QDeadlineTimer& deadline) {
    QHostAddress literal;
    if (literal.setAddress(host))
        return {literal};
    auto answer = std::make_shared<std::promise<QList<QHostAddress>>>();
    std::future<QList<QHostAddress>> pending = answer->get_future();
    std::thread([host, answer] {
        answer->set_value(QHostInfo::fromName(host).addresses());
    }).detach();
    if (pending.wait_for(remaining(deadline)) != std::future_status::ready)
        return {};
    return pending.get();
}

} // namespace

bool probeConnection(const QUrl& url, int timeoutMs) {
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    const quint16 port = quint16(url.port(url.scheme() == u"https" ? 443 : 80));
    for (const QHostAddress& address : lookUp(url.host(), deadline)) {
        if (deadline.hasExpired())
            break;
        QTcpSocket socket;
        socket.connectToHost(address, port);
        const bool connected = socket.waitForConnected(int(remaining(deadline).count()));
        socket.abort();
        if (connected)
            return true;
    }
    return false;
}

} // namespace toolkit
