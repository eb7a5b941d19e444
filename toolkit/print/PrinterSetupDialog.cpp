#include "toolkit/print/PrinterSetupDialog.h"

#include "toolkit/print/PaperSources.h"
#include "toolkit/print/PrinterState.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace toolkit {

PrinterSetupDialog::PrinterSetupDialog(QPrinter& printer, const QStringList& printers,
                                       QWidget* parent)
    : QDialog(parent)
    , m_printer(printer)
    , m_printers(new QComboBox(this))
    , m_papers(new QComboBox(this))
    , m_sources(new QComboBox(this))
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
    fillSources();
    if (const int source = m_sources->findData(jobOption(printer, kPaperSourceOption)); source >= 0)
        m_sources->setCurrentIndex(source);
    (printer.pageLayout().orientation() == QPageLayout::Landscape ? m_landscape : m_portrait)
        ->setChecked(true);
    connect(m_printers, &QComboBox::currentTextChanged, this, &PrinterSetupDialog::fillPapers);
    connect(m_printers, &QComboBox::currentTextChanged, this, &PrinterSetupDialog::fillSources);

    auto* form = new QFormLayout;
    form->addRow(tr("P&rinter:"), m_printers);
    form->addRow(tr("Paper si&ze:"), m_papers);
    form->addRow(tr("Paper &source:"), m_sources);
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

void PrinterSetupDialog::fillSources() {
    const QString keep = m_sources->currentData().toString();
    m_sources->clear();
    QString standard;
    const QList<PaperSource> sources = paperSources(m_printers->currentText(), &standard);
    for (const PaperSource& source : sources)
        m_sources->addItem(source.name, source.keyword);
    m_sources->setEnabled(!sources.isEmpty());
    if (sources.isEmpty()) {
        m_sources->addItem(tr("Default"));
        return;
    }
    const int again = m_sources->findData(keep);
    m_sources->setCurrentIndex(again >= 0 ? again : std::max(0, m_sources->findData(standard)));
}

void PrinterSetupDialog::apply() {
    if (m_printers->currentText() != m_printer.printerName())
        m_printer.setPrinterName(m_printers->currentText());
    if (m_papers->currentIndex() >= 0)
        m_printer.setPageSize(QPageSize(m_papers->currentData().value<QPageSize::PageSizeId>()));
    m_printer.setPageOrientation(m_landscape->isChecked() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
    setJobOption(m_printer, kPaperSourceOption, m_sources->currentData().toString());
}

} // namespace toolkit
