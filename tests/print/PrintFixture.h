#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// What the tests need of the real CUPS server and the PDFs cups-pdf writes.
namespace printfixture {

inline const QString kDefaultQueue = QStringLiteral("MorvanePDF");
inline const QString kSecondQueue = QStringLiteral("MorvanePDF2");

bool cupsRunning();
// Submits this process's jobs under a user name of its own, so that jobs of
// other processes printing at the same time are told apart.
void useOwnJobUser();
// Runs a command, returns its standard output (empty on failure).
QString run(const QString& program, const QStringList& args);
// Recreates the test queues (after a test removed them).
void restoreQueues();

// The PDFs cups-pdf has written so far.
QStringList pdfFiles();
// Waits for the PDF cups-pdf writes for a job and returns it once complete.
QString pdfOfJob(int jobId, int timeoutMs = 30000);
// The highest id of this process's CUPS jobs so far, and its jobs after one.
int lastJobId();
QList<int> jobsAfter(int jobId);

// A cups-pdf queue of this process's own, for tests that remove a printer.
QString addTemporaryQueue();

// A CUPS server of its own with no printer at all, used by this process
// while the object lives.
class EmptyCupsServer {
public:
    EmptyCupsServer();
    ~EmptyCupsServer();
    bool running() const { return m_running; }

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    bool m_running = false;
};
// An attribute of a job from its control file: the integer "copies" or the
// name "job-name".
int jobCopies(int jobId);
QString jobName(int jobId);
// Any other text attribute of a job (a driver option such as "InputSlot").
QString jobText(int jobId, const char* name);

// The pages of the document the program handed to the spooler for a job
// (CUPS keeps job files after printing).
int spooledPages(int jobId);

// The printable area of `paper` ("A4", "Letter") on `queue`, as its PPD gives
// it, in millimetres from the sheet's top-left corner (portrait).
QRectF imageableAreaMm(const QString& queue, const QString& paper);

int pdfPages(const QString& pdf);
// The first page rendered at `dpi` in grey.
QImage rasterise(const QString& pdf, int dpi, bool grey = true);
// The page's size in millimetres.
QSizeF pageSizeMm(const QString& pdf);

} // namespace printfixture
