#pragma once

class QWidget;

namespace toolkit {

// The print dialog: opens on the selected printer and its settings (copies,
// printer properties; no page range, no selection, no print to file). OK makes
// the chosen printer and settings the selected ones; Cancel changes nothing.
bool showPrintDialog(QWidget* parent);

// The page-setup dialog: printer, paper size and orientation, with the same
// rules.
bool showPrinterSetupDialog(QWidget* parent);

} // namespace toolkit
