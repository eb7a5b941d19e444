#include "toolkit/print/PrintDialogs.h"

#include "toolkit/Error.h"
#include "toolkit/print/PrintDialog.h"
#include "toolkit/print/PrinterSetupDialog.h"
#include "toolkit/print/PrinterState.h"

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
    PrintDialog dialog(&copy, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    refuseWhilePrinting(state);
    // Unless the user confirmed the printer's properties, the dialog has put
    // the printer's defaults in: keep the paper, orientation and driver
    // options (paper source ...) in use.
    if (!dialog.propertiesConfirmed()) {
        copy.setPageLayout(selected.pageLayout());
        copyJobOptions(copy, selected);
    }
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
