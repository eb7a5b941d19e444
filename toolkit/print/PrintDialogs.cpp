#include "toolkit/print/PrintDialogs.h"

#include "toolkit/Error.h"
#include "toolkit/print/PrinterSetupDialog.h"
#include "toolkit/print/PrinterState.h"

#include <QPrintDialog>
#include <QPrinter>

namespace toolkit {

namespace {

void refuseWhilePrinting(PrinterState& state) {
    if (state.printing())
        throw Error(QStringLiteral("Printing in progress"));
}

} // namespace

bool showPrintDialog(QWidget* parent) {
    PrinterState& state = PrinterState::instance();
    QPrinter& selected = state.printer();
    // The dialog works on a copy, so that Cancel leaves everything as it was.
    QPrinter copy(QPrinter::HighResolution);
    copyPrinterSettings(copy, selected);
    QPrintDialog dialog(&copy, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    // Paper and orientation belong to page setup; this dialog offers the
    // printer, its properties and the copies.
    dialog.setOptions(QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    refuseWhilePrinting(state);
    if (copy.printerName() == selected.printerName())
        copy.setPageLayout(selected.pageLayout());
    state.select(copy);
    return true;
}

bool showPrinterSetupDialog(QWidget* parent) {
    PrinterState& state = PrinterState::instance();
    QPrinter& selected = state.printer();
    QPrinter copy(QPrinter::HighResolution);
    copyPrinterSettings(copy, selected);
    PrinterSetupDialog dialog(copy, state.printerNames(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    refuseWhilePrinting(state);
    dialog.apply();
    state.select(copy);
    return true;
}

} // namespace toolkit
