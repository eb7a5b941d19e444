#include "toolkit/print/PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QVBoxLayout>

namespace toolkit {

PrinterSetupDialog::PrinterSetupDialog(QPrinter& printer, const QStringList& printers,
                                       QWidget* parent)
    : QDialog(parent)
    , m_printer(printer)
    , m_printers(new QComboBox(this))
    , m_papers(new QComboBox(this))
    , m_portrait(new QRadioButton(tr("&Portrait"), this))
    , m_landscape(new QRadioButton(tr("&Landscape"), this)) {
    setObjectName(QStringLiteral("PrinterSetupDialog1"));
    setWindowTitle(tr("Page Setup"));
    m_printers->addItems(printers);
    m_printers->setCurrentText(printer.printerName());
    fillPapers();
    const int current =
        m_papers->findData(QVariant::fromValue(printer.pageLayout().pageSize().id()));
    if (current >= 0)
        m_papers->setCurrentIndex(current);
    (printer.pageLayout().orientation() == QPageLayout::Landscape ? m_landscape : m_portrait)
        ->setChecked(true);
    connect(m_printers, &QComboBox::currentTextChanged, this, &PrinterSetupDialog::fillPapers);

    auto* form = new QFormLayout;
    form->addRow(tr("P&rinter:"), m_printers);
    form->addRow(tr("Paper si&ze:"), m_papers);
    auto* orientation = new QGroupBox(tr("Orientation"), this);
    auto* orientationLayout = new QHBoxLayout(orientation);
    orientationLayout->addWidget(m_portrait);
    orientationLayout->addWidget(m_landscape);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(orientation);
    layout->addWidget(buttons);
}

void PrinterSetupDialog::fillPapers() {
    const QString keep = m_papers->currentText();
    m_papers->clear();
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_printers->currentText());
    for (const QPageSize& size : info.supportedPageSizes())
        m_papers->addItem(size.name(), QVariant::fromValue(size.id()));
    const int again = m_papers->findText(keep);
    if (again >= 0)
        m_papers->setCurrentIndex(again);
    else if (int d = m_papers->findData(QVariant::fromValue(info.defaultPageSize().id())); d >= 0)
        m_papers->setCurrentIndex(d);
}

void PrinterSetupDialog::apply() {
    if (m_printers->currentText() != m_printer.printerName())
        m_printer.setPrinterName(m_printers->currentText());
    if (m_papers->currentIndex() >= 0)
        m_printer.setPageSize(QPageSize(m_papers->currentData().value<QPageSize::PageSizeId>()));
    m_printer.setPageOrientation(m_landscape->isChecked() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
}

} // namespace toolkit
