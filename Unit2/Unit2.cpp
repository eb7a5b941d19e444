#include "Unit2/Unit2.h"

#include "ui_Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    WebBrowser1 = ui->WebBrowser1;
    move(property("designPosition").toPoint());
}

TForm2::~TForm2() = default;
