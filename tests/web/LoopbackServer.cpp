#include "LoopbackServer.h"

#include <QRegularExpression>
#include <QTcpSocket>

LoopbackServer::LoopbackServer(QObject* parent)
    : QTcpServer(parent) {
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, &LoopbackServer::serve);
}

QString LoopbackServer::base() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(serverPort());
}

void LoopbackServer::serve() {
    while (QTcpSocket* socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const QByteArray head = socket->peek(8192);
            if (!head.contains("\r\n\r\n"))
                return;
            socket->readAll();
            const QString path = QString::fromLatin1(head.split(' ').value(1));
            static const QRegularExpression ad(QStringLiteral("^/ad/(\\d+)\\.php$"));
            const auto m = ad.match(path);
            const QByteArray title = m.hasMatch() ? "Ad " + m.captured(1).toLatin1() : "Page";
            const QByteArray body =
                "<html><head><title>" + title + "</title></head><body>" + title + "</body></html>";
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n"
                          "Content-Length: " +
                          QByteArray::number(body.size()) + "\r\n\r\n" + body);
            socket->disconnectFromHost();
            if (path != u"/favicon.ico") {
                m_requests << path;
                emit requested(path);
            }
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}
