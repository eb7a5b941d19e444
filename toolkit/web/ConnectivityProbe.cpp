#include "toolkit/web/ConnectivityProbe.h"

#include <QTcpSocket>

namespace toolkit {

bool probeConnection(const QUrl& url, int timeoutMs) {
    if (!url.isValid() || url.host().isEmpty())
        return false;
    QTcpSocket socket;
    socket.connectToHost(url.host(), quint16(url.port(url.scheme() == u"https" ? 443 : 80)));
    // Covers the name lookup and the connection together.
    const bool connected = socket.waitForConnected(timeoutMs);
    socket.abort();
    return connected;
}

} // namespace toolkit
