#include "toolkit/print/PrintDialog.h"

#include <QChildEvent>
#include <QComboBox>
#include <QPrinter>

namespace toolkit {

PrintDialog::PrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent)
    , m_layout(printer->pageLayout()) {
    setObjectName(QStringLiteral("PrintDialog1"));
    setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    setPrintRange(QAbstractPrintDialog::AllPages);
}

void PrintDialog::setVisible(bool visible) {
    QPrintDialog::setVisible(visible);
    // With CUPS the dialog offers a page range and page sets of its own even
    // when none is asked for; the label is one page, printed whole.
    if (visible)
        if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange")))
            range->hide();
}

bool PrintDialog::event(QEvent* event) {
    // The properties page is a child dialog built on first use; it is
    // polished just before it shows, complete by then.
    if (event->type() == QEvent::ChildPolished)
        if (auto* properties = qobject_cast<QDialog*>(static_cast<QChildEvent*>(event)->child()))
            prepareProperties(properties);
    return QPrintDialog::event(event);
}

void PrintDialog::prepareProperties(QDialog* properties) {
    auto* papers = properties->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
    if (!papers || properties->property("morvanePrepared").toBool())
        return; // another dialog (a warning), or already done
    properties->setProperty("morvanePrepared", true);
    // Open on the printer's paper rather than the printer's default.
    for (int i = 0; i < papers->count(); ++i)
        if (papers->itemData(i).value<QPageSize>().isEquivalentTo(m_layout.pageSize())) {
            papers->setCurrentIndex(i);
            break;
        }
    connect(properties, &QDialog::accepted, this,
            [this, properties] { m_confirmedProperties = properties; });
}

} // namespace toolkit
