#pragma once

#include <QPrinter>
#include <QStringList>
#include <memory>

namespace toolkit {

// The program's one printer object: the selected printer and its settings
// (paper, orientation, copies ...). Created at first need with the system's
// default printer; the list of printers is read once per run, so a change of
// the system's default while the program runs is not followed.
class PrinterState {
public:
    static PrinterState& instance();

    // The selected printer; selects the system's default first if none is
    // selected yet. Throws "There is no default printer currently selected".
    QPrinter& printer();
    bool hasPrinter() const { return m_printer != nullptr; }

    // Installed printers, as read at first need.
    const QStringList& printerNames();

    // Copies `settings` (a printer chosen in a dialog, with its settings) into
    // the selected printer.
    void select(const QPrinter& settings);

    bool printing() const { return m_printing; }
    void setPrinting(bool printing) { m_printing = printing; }

    // Forgets everything (for tests that change the system's printers).
    void reset();

private:
    std::unique_ptr<QPrinter> m_printer;
    QStringList m_names;
    bool m_namesRead = false;
    bool m_printing = false;
};

// Copies what a print job uses from one printer object to another.
void copyPrinterSettings(QPrinter& to, const QPrinter& from);

// The driver options a job carries besides Qt's own settings (paper source,
// what the print dialog's properties page sets): read, set (an empty value
// removes it) and copy them.
QString jobOption(const QPrinter& printer, const char* name);
void setJobOption(QPrinter& printer, const char* name, const QString& value);
void copyJobOptions(QPrinter& to, const QPrinter& from);

// a × b ÷ c rounded to the nearest integer, with a 64-bit intermediate.
int mulDiv(int a, int b, int c);

} // namespace toolkit
