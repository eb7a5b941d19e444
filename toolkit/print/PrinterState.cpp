#include "toolkit/print/PrinterState.h"

#include "toolkit/Error.h"

#include <QPrintEngine>
#include <QPrinterInfo>
#include <algorithm>
#include <cstdlib>

namespace toolkit {

PrinterState& PrinterState::instance() {
    static PrinterState state;
    return state;
}

const QStringList& PrinterState::printerNames() {
    if (!m_namesRead) {
        m_names = QPrinterInfo::availablePrinterNames();
        m_namesRead = true;
    }
    return m_names;
}

QPrinter& PrinterState::printer() {
    if (m_printer)
        return *m_printer;
    const QString name = QPrinterInfo::defaultPrinterName();
    const QStringList& names = printerNames();
    const bool installed = std::any_of(names.begin(), names.end(), [&](const QString& n) {
        return n.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (name.isEmpty() || !installed)
        throw Error(QStringLiteral("There is no default printer currently selected"));
    auto printer =
        std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    printer->setDocName(QString());
    m_printer = std::move(printer);
    return *m_printer;
}

void PrinterState::select(const QPrinter& settings) {
    copyPrinterSettings(printer(), settings);
}

void PrinterState::reset() {
    m_printer.reset();
    m_names.clear();
    m_namesRead = false;
    m_printing = false;
}

void copyPrinterSettings(QPrinter& to, const QPrinter& from) {
    if (to.printerName() != from.printerName())
        to.setPrinterName(from.printerName());
    to.setPageLayout(from.pageLayout());
    to.setCopyCount(from.copyCount());
    to.setCollateCopies(from.collateCopies());
    to.setDuplex(from.duplex());
    to.setColorMode(from.colorMode());
    to.setPaperSource(from.paperSource());
    to.setResolution(from.resolution());
    copyJobOptions(to, from);
}

namespace {

// Qt's CUPS print engine holds the job's CUPS options under this key, as a
// list of name, value, name, value ...
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QStringList jobOptions(const QPrinter& printer) {
    return printer.printEngine()->property(kCupsOptions).toStringList();
}

} // namespace

QString jobOption(const QPrinter& printer, const char* name) {
    const QStringList options = jobOptions(printer);
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        if (options[i] == QLatin1String(name))
            return options[i + 1];
    return QString();
}

void setJobOption(QPrinter& printer, const char* name, const QString& value) {
    QStringList options = jobOptions(printer);
    for (qsizetype i = 0; i + 1 < options.size();)
        if (options[i] == QLatin1String(name))
            options.remove(i, 2);
        else
            i += 2;
    if (!value.isEmpty())
        options << QString::fromLatin1(name) << value;
    printer.printEngine()->setProperty(kCupsOptions, options);
}

void copyJobOptions(QPrinter& to, const QPrinter& from) {
    to.printEngine()->setProperty(kCupsOptions, jobOptions(from));
}

int mulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    return static_cast<int>((product >= 0) == (c > 0) ? (product + (c > 0 ? half : -half)) / c
                                                      : (product - (c > 0 ? half : -half)) / c);
}

} // namespace toolkit
