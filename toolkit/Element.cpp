#include "toolkit/Element.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace toolkit {

GraphicElement::GraphicElement(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void GraphicElement::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_popupMenu) {
        event->ignore();
        return;
    }
    m_popupMenu->exec(event->globalPos());
}

} // namespace toolkit
