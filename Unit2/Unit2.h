#pragma once

#include <QWidget>
#include <memory>

class QWebEngineView;

namespace Ui {
class TForm2;
}

// The web strip: a window holding the browser. It has no behaviour of its
// own; the main window sets it up, docks it and sends it pages.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    QWebEngineView* WebBrowser1 = nullptr;

private:
    std::unique_ptr<Ui::TForm2> ui;
};

extern TForm2* Form2;
