#include "PrintFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <cups/cups.h>

namespace printfixture {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool cupsRunning() {
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(u"is running");
}

void restoreQueues() {
    run(QStringLiteral("bash"), {QStringLiteral(MORVANE_SOURCE_DIR "/scripts/start-cups.sh")});
}

QStringList pdfFiles() {
    QStringList files;
    QDirIterator it(QStringLiteral("/var/spool/cups-pdf"), {QStringLiteral("*.pdf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

QString pdfOfJob(int jobId, int timeoutMs) {
    // cups-pdf ends each file name with the job's id.
    const QRegularExpression name(QStringLiteral("job_%1\\.pdf$").arg(jobId));
    QString found;
    const bool ok = QTest::qWaitFor(
        [&] {
            for (const QString& f : pdfFiles())
                if (name.match(f).hasMatch())
                    found = f;
            // complete once pdfinfo can read it
            return !found.isEmpty() && pdfPages(found) > 0;
        },
        timeoutMs);
    return ok ? found : QString();
}

void useOwnJobUser() {
    static const QByteArray user =
        "morvane-test-" + QByteArray::number(QCoreApplication::applicationPid());
    cupsSetUser(user.constData());
}

QString addTemporaryQueue() {
    const QString name = QStringLiteral("MorvaneGone%1").arg(QCoreApplication::applicationPid());
    run(QStringLiteral("lpadmin"),
        {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
         QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
         QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")});
    return name;
}

EmptyCupsServer::EmptyCupsServer() {
    const QString root = m_dir.path();
    for (const char* sub : {"cache", "spool", "tmp", "state", "ppd"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    const QString socket = root + QStringLiteral("/cups.sock");
    auto write = [&](const QString& file, const QString& text) {
        QFile f(root + u'/' + file);
        return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) > 0;
    };
    write(QStringLiteral("cupsd.conf"),
          QStringLiteral("Listen %1\nLogLevel warn\nBrowsing Off\n"
                         "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n")
              .arg(socket));
    write(QStringLiteral("cups-files.conf"),
          QStringLiteral("ServerRoot %1\nStateDir %1/state\nCacheDir %1/cache\n"
                         "RequestRoot %1/spool\nTempDir %1/tmp\nAccessLog %1/access_log\n"
                         "ErrorLog %1/error_log\nPageLog %1/page_log\nFatalErrors none\n")
              .arg(root));
    m_cupsd.start(QStringLiteral("cupsd"),
                  {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
                   QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
    if (!m_cupsd.waitForStarted())
        return;
    const QByteArray server = socket.toUtf8();
    m_running = QTest::qWaitFor(
        [&] {
            if (!QFile::exists(socket))
                return false;
            cupsSetServer(server.constData());
            http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                        HTTP_ENCRYPTION_NEVER, 1, 1000, nullptr);
            if (http)
                httpClose(http);
            return http != nullptr;
        },
        10000);
}

EmptyCupsServer::~EmptyCupsServer() {
    cupsSetServer(nullptr); // back to the machine's server
    m_cupsd.terminate();
    m_cupsd.waitForFinished();
}

QList<int> jobsAfter(int jobId) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, nullptr, 1, CUPS_WHICHJOBS_ALL); // this user's
    QList<int> ids;
    for (int i = 0; i < count; ++i)
        if (jobs[i].id > jobId)
            ids << jobs[i].id;
    cupsFreeJobs(count, jobs);
    return ids;
}

int lastJobId() {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, nullptr, 1, CUPS_WHICHJOBS_ALL); // this user's
    int last = 0;
    for (int i = 0; i < count; ++i)
        last = std::max(last, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return last;
}

// The job's attributes as the scheduler reports them over IPP.
static ipp_t* jobAttributes(int jobId) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = QByteArrayLiteral("ipp://localhost/jobs/") + QByteArray::number(jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    return cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
}

int jobCopies(int jobId) {
    ipp_t* response = jobAttributes(jobId);
    ipp_attribute_t* a = ippFindAttribute(response, "copies", IPP_TAG_INTEGER);
    const int copies = a ? ippGetInteger(a, 0) : 1; // not given: one copy
    ippDelete(response);
    return copies;
}

QString jobName(int jobId) {
    ipp_t* response = jobAttributes(jobId);
    ipp_attribute_t* a = ippFindAttribute(response, "job-name", IPP_TAG_NAME);
    const QString name = a ? QString::fromUtf8(ippGetString(a, 0, nullptr)) : QString();
    ippDelete(response);
    return name;
}

int spooledPages(int jobId) {
    return pdfPages(QStringLiteral("/var/spool/cups/d%1-001").arg(jobId, 5, 10, QLatin1Char('0')));
}

QRectF imageableAreaMm(const QString& queue, const QString& paper) {
    QFile ppd(QStringLiteral("/etc/cups/ppd/%1.ppd").arg(queue));
    if (!ppd.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(ppd.readAll());
    const QString key = QRegularExpression::escape(paper);
    const auto area =
        QRegularExpression(QStringLiteral("\\*ImageableArea %1/[^:]*:\\s*\"([-\\d.]+) "
                                          "([-\\d.]+) ([-\\d.]+) ([-\\d.]+)\"")
                               .arg(key))
            .match(text);
    const auto size =
        QRegularExpression(QStringLiteral("\\*PaperDimension %1/[^:]*:\\s*\"([\\d.]+) "
                                          "([\\d.]+)\"")
                               .arg(key))
            .match(text);
    if (!area.hasMatch() || !size.hasMatch())
        return {};
    const double mm = 25.4 / 72;
    const double sheetHeight = size.captured(2).toDouble();
    const double left = area.captured(1).toDouble(), bottom = area.captured(2).toDouble();
    const double right = area.captured(3).toDouble(), top = area.captured(4).toDouble();
    return QRectF(left * mm, (sheetHeight - top) * mm, (right - left) * mm, (top - bottom) * mm);
}

QString jobText(int jobId, const char* name) {
    ipp_t* response = jobAttributes(jobId);
    ipp_attribute_t* a = ippFindAttribute(response, name, IPP_TAG_ZERO);
    const QString value = a ? QString::fromUtf8(ippGetString(a, 0, nullptr)) : QString();
    ippDelete(response);
    return value;
}

int pdfPages(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = pages.match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QSizeF pageSizeMm(const QString& pdf) {
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const auto m = size.match(run(QStringLiteral("pdfinfo"), {pdf}));
    if (!m.hasMatch())
        return {};
    return QSizeF(m.captured(1).toDouble() * 25.4 / 72, m.captured(2).toDouble() * 25.4 / 72);
}

QImage rasterise(const QString& pdf, int dpi, bool grey) {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    QStringList args{QStringLiteral("-r"),
                     QString::number(dpi),
                     QStringLiteral("-png"),
                     QStringLiteral("-singlefile"),
                     pdf,
                     base};
    if (grey)
        args.prepend(QStringLiteral("-gray"));
    run(QStringLiteral("pdftoppm"), args);
    return QImage(base + QStringLiteral(".png"));
}

} // namespace printfixture
