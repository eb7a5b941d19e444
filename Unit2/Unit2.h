#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm2;
}

// The docked web strip.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

private:
    std::unique_ptr<Ui::TForm2> ui;
};

extern TForm2* Form2;
