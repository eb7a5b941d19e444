#include "Unit3/Unit3.h"

#include "ui_Unit3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm3>())
{
    ui->setupUi(this);
}

TForm3::~TForm3() = default;
