#include "toolkit/web/StripDocking.h"

#include <QWidget>

namespace toolkit {

void dockUnder(QWidget& strip, const QWidget& mainWindow) {
    const QRect outer = mainWindow.frameGeometry();
    const QPoint top(strip.x(), outer.top() + outer.height());
    if (strip.pos() != top)
        strip.move(top);
    const QPoint left(outer.left(), strip.y());
    if (strip.pos() != left)
        strip.move(left);
}

} // namespace toolkit
