#pragma once

#include <QWidget>

namespace toolkit {

// The design panel: a white container for the label's elements. It has no
// menu of its own (right-clicks pass on to the window) and keeps pointer
// moves to itself, so moving over the label does not reach the window.
class DesignPanel : public QWidget {
    Q_OBJECT
public:
    explicit DesignPanel(QWidget* parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace toolkit
