#include "toolkit/DesignPanel.h"

#include <QMouseEvent>

namespace toolkit {

DesignPanel::DesignPanel(QWidget* parent)
    : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void DesignPanel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace toolkit
