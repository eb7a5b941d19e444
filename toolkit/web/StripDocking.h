#pragma once

class QWidget;

namespace toolkit {

// Docks the strip under the main window: its top edge at the main window's
// top plus outer height, then its left edge at the main window's left. No
// clamping to the screen; a hidden strip is moved and stays hidden.
void dockUnder(QWidget& strip, const QWidget& mainWindow);

} // namespace toolkit
