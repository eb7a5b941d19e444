#include "PrintFixture.h"

#include <cups/cups.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

namespace printfixture {

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool cupsRunning()
{
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(u"is running");
}

void restoreQueues()
{
    run(QStringLiteral("bash"), {QStringLiteral(MORVANE_SOURCE_DIR "/scripts/start-cups.sh")});
}

QStringList pdfFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral("/var/spool/cups-pdf"), {QStringLiteral("*.pdf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

QString waitForNewPdf(const QStringList& before, int timeoutMs)
{
    QString found;
    const bool ok = QTest::qWaitFor(
        [&] {
            for (const QString& f : pdfFiles())
                if (!before.contains(f))
                    found = f;
            // complete once pdfinfo can read it
            return !found.isEmpty() && pdfPages(found) > 0;
        },
        timeoutMs);
    return ok ? found : QString();
}

int lastJobId()
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    int last = 0;
    for (int i = 0; i < count; ++i)
        last = std::max(last, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return last;
}

// The job's attributes as the scheduler reports them over IPP.
static ipp_t* jobAttributes(int jobId)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = QByteArrayLiteral("ipp://localhost/jobs/") + QByteArray::number(jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    return cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
}

int jobCopies(int jobId)
{
    ipp_t* response = jobAttributes(jobId);
    ipp_attribute_t* a = ippFindAttribute(response, "copies", IPP_TAG_INTEGER);
    const int copies = a ? ippGetInteger(a, 0) : 1; // not given: one copy
    ippDelete(response);
    return copies;
}

QString jobName(int jobId)
{
    ipp_t* response = jobAttributes(jobId);
    ipp_attribute_t* a = ippFindAttribute(response, "job-name", IPP_TAG_NAME);
    const QString name = a ? QString::fromUtf8(ippGetString(a, 0, nullptr)) : QString();
    ippDelete(response);
    return name;
}

int pdfPages(const QString& pdf)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = pages.match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QSizeF pageSizeMm(const QString& pdf)
{
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const auto m = size.match(run(QStringLiteral("pdfinfo"), {pdf}));
    if (!m.hasMatch())
        return {};
    return QSizeF(m.captured(1).toDouble() * 25.4 / 72, m.captured(2).toDouble() * 25.4 / 72);
}

QImage rasterise(const QString& pdf, int dpi, bool grey)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    QStringList args{QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                     QStringLiteral("-singlefile"), pdf, base};
    if (grey)
        args.prepend(QStringLiteral("-gray"));
    run(QStringLiteral("pdftoppm"), args);
    return QImage(base + QStringLiteral(".png"));
}

} // namespace printfixture
