// How long the connectivity probe takes to give its answer when the network
// misbehaves. Prints one line per case; nothing is asserted.
//
//   bench_probe [host-url]
//
// Without an argument it times a closed port and a host that never answers
// the connection (a listening socket with a full queue that never accepts),
// both on 127.0.0.1. With an argument it also times that address, e.g. a
// host name whose lookup never gets an answer (see run-probe-bench.sh).
#include "toolkit/web/ConnectivityProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <arpa/inet.h>
#include <cstdio>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

void time(const char* what, const QUrl& url) {
    QElapsedTimer clock;
    clock.start();
    const bool reached = toolkit::probeConnection(url);
    std::printf("%-28s %-40s reached=%d elapsed_ms=%lld\n", what,
                url.toString().toLocal8Bit().constData(), int(reached), clock.elapsed());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);

    QTcpServer open;
    open.listen(QHostAddress::LocalHost, 0);
    time("listening port", QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(open.serverPort())));

    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 closedPort = closed.serverPort();
    closed.close();
    time("closed port", QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort)));

    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0 || ::listen(fd, 0) != 0)
        return 1;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    std::vector<std::unique_ptr<QTcpSocket>> fillers;
    for (int i = 0; i < 4; ++i) {
        fillers.push_back(std::make_unique<QTcpSocket>());
        fillers.back()->connectToHost(QHostAddress::LocalHost, ntohs(addr.sin_port));
        fillers.back()->waitForConnected(300);
    }
    time("connection never answered",
         QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(ntohs(addr.sin_port))));
    ::close(fd);

    for (int i = 1; i < argc; ++i)
        time("given address", QUrl(QString::fromLocal8Bit(argv[i])));
    return 0;
}
