#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// What the tests need of the real CUPS server and the PDFs cups-pdf writes.
namespace printfixture {

inline const QString kDefaultQueue = QStringLiteral("MorvanePDF");
inline const QString kSecondQueue = QStringLiteral("MorvanePDF2");

bool cupsRunning();
// Runs a command, returns its standard output (empty on failure).
QString run(const QString& program, const QStringList& args);
// Recreates the test queues (after a test removed them).
void restoreQueues();

// The PDFs cups-pdf has written so far.
QStringList pdfFiles();
// Waits for a PDF that is not in `before` and returns it once complete.
QString waitForNewPdf(const QStringList& before, int timeoutMs = 30000);
// The highest CUPS job id so far.
int lastJobId();
// An attribute of a job from its control file: the integer "copies" or the
// name "job-name".
int jobCopies(int jobId);
QString jobName(int jobId);

int pdfPages(const QString& pdf);
// The first page rendered at `dpi` in grey.
QImage rasterise(const QString& pdf, int dpi, bool grey = true);
// The page's size in millimetres.
QSizeF pageSizeMm(const QString& pdf);

} // namespace printfixture
