#pragma once

#include <QDialog>

class QComboBox;
class QPrinter;
class QRadioButton;

namespace toolkit {

// The page-setup dialog: printer, paper size and source, and orientation,
// opened on a printer's settings and writing the choice back into them.
class PrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrinterSetupDialog(QPrinter& printer, const QStringList& printers, QWidget* parent = nullptr);

    // Writes the choice into the printer given to the constructor.
    void apply();

    QComboBox* printerBox() const { return m_printers; }
    QComboBox* paperBox() const { return m_papers; }
    QComboBox* sourceBox() const { return m_sources; }
    QRadioButton* landscapeButton() const { return m_landscape; }

private:
    void fillPapers();
    void fillSources();

    QPrinter& m_printer;
    QComboBox* m_printers;
    QComboBox* m_papers;
    QComboBox* m_sources;
    QRadioButton* m_portrait;
    QRadioButton* m_landscape;
};

} // namespace toolkit
