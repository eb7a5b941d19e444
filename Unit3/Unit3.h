#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TForm3;
}

// The About window: product name, version, copyright line and links.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    void Button1Click();
    void Label4Click();
    void Label2Click();
    void Label3Click();

private:
    std::unique_ptr<Ui::TForm3> ui;
};

extern TForm3* Form3;
