// What the web strip adds to start-up: time from the process's start to the
// main window first on screen, and the memory of the process and its helpers
// (the browser runs in child processes), with the strip left out, with the
// strip created but offline, and with the strip online against a server on
// 127.0.0.1 (then also the time until the first page has loaded).
//
//   bench_startup none|offline|online
//
// Run it in a loopback-only namespace (scripts/netns-run.sh) under a display.
#include "../common.h"
#include "LoopbackServer.h"
#include "Unit1/Unit1.h"
#include "Unit2/Unit2.h"
#include "Unit3/Unit3.h"
#include "app/Startup.h"
#include "toolkit/Application.h"
#include "toolkit/web/Sites.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// Milliseconds since this process was started by the kernel (10 ms steps).
double sinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = stat.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 overall
    const double up = uptime.readAll().split(' ').value(0).toDouble();
    return (up - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

QByteArray statusField(qint64 pid, const QByteArray& file, const QByteArray& key) {
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QString::fromLatin1(file)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0);
    return {};
}

qint64 parentOf(qint64 pid) {
    return statusField(pid, "status", "PPid:").toLongLong();
}

// Resident and proportional set sizes (KiB) of this process and of every
// process descended from it.
struct Memory {
    double selfRss = 0, treeRss = 0, treePss = 0;
    int processes = 0;
};

Memory measureMemory() {
    const qint64 self = getpid();
    Memory m;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        qint64 pid = entry.toLongLong(&ok);
        if (!ok)
            continue;
        const qint64 first = pid;
        while (pid > 1 && pid != self)
            pid = parentOf(pid);
        if (pid != self)
            continue;
        const double rss = statusField(first, "status", "VmRSS:").toDouble();
        m.treeRss += rss;
        m.treePss += statusField(first, "smaps_rollup", "Pss:").toDouble();
        if (first == self)
            m.selfRss = rss;
        ++m.processes;
    }
    return m;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    toolkit::Application app(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("online");
    if (mode != "none" && mode != "offline" && mode != "online") {
        std::fprintf(stderr, "usage: bench_startup none|offline|online\n");
        return 2;
    }
    const double atMain = sinceProcessStart();
    QElapsedTimer clock;
    clock.start();

    LoopbackServer server;
    QTcpServer closed; // a port nobody listens on once this is closed
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 closedPort = closed.serverPort();
    closed.close();
    const QUrl probe = mode == "online"
                           ? QUrl(server.base() + QStringLiteral("/"))
                           : QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort));
    toolkit::Sites::setForTesting({probe, QUrl(server.base()), QUrl(server.base()),
                                   QStringLiteral("morvane@morvane.example")});

    app::prepareApplication(app);
    Form1 = new TForm1;
    if (mode != "none")
        Form2 = new TForm2;
    Form3 = new TForm3;

    bool pageLoaded = false;
    qint64 pageAt = -1;
    if (Form2)
        QObject::connect(Form2->WebBrowser1, &QWebEngineView::loadFinished, [&](bool ok) {
            pageLoaded = ok;
            pageAt = clock.elapsed();
        });

    Form1->show();
    QElapsedTimer wait;
    wait.start();
    while (!(Form1->windowHandle() && Form1->windowHandle()->isExposed()) && wait.elapsed() < 20000)
        app.processEvents(QEventLoop::AllEvents, 5);
    const qint64 shownAt = clock.elapsed();

    // Let the browser's helper processes settle (or the first page load).
    wait.restart();
    while (wait.elapsed() < 4000 || (mode == "online" && pageAt < 0 && wait.elapsed() < 20000))
        app.processEvents(QEventLoop::AllEvents, 20);
    const Memory mem = measureMemory();

    std::printf(
        "mode=%s main_at_ms=%.0f shown_ms=%.0f page1_ms=%s page1_ok=%d strip_visible=%d "
        "self_rss_mib=%.1f tree_rss_mib=%.1f tree_pss_mib=%.1f processes=%d peak_self_mib=%.1f\n",
        mode.constData(), atMain, atMain + double(shownAt),
        pageAt < 0 ? "-" : QByteArray::number(atMain + double(pageAt), 'f', 0).constData(),
        int(pageLoaded), Form2 ? int(Form2->isVisible()) : 0, mem.selfRss / 1024,
        mem.treeRss / 1024, mem.treePss / 1024, mem.processes, bench::peakMemoryMiB());
    std::fflush(stdout);

    delete Form3;
    delete Form2;
    delete Form1;
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    return 0;
}
