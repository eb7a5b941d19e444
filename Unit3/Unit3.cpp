#include "Unit3/Unit3.h"

#include "toolkit/Application.h"
#include "toolkit/web/Sites.h"
#include "ui_Unit3.h"

#include <QDesktopServices>

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    move(property("designPosition").toPoint());
    const toolkit::Sites& sites = toolkit::Sites::current();
    ui->Label4->setText(sites.promotion.toString(QUrl::StripTrailingSlash));
    ui->Label3->setText(sites.contact);
    // Centred labels fit their text and keep their left edge and top.
    connect(ui->Button1, &QPushButton::clicked, this, toolkit::guarded([this] { Button1Click(); }));
    connect(ui->Label4, &toolkit::TextLabel::clicked, this,
            toolkit::guarded([this] { Label4Click(); }));
    connect(ui->Label2, &toolkit::TextLabel::clicked, this,
            toolkit::guarded([this] { Label2Click(); }));
    connect(ui->Label3, &toolkit::TextLabel::clicked, this,
            toolkit::guarded([this] { Label3Click(); }));
}

TForm3::~TForm3() = default;

void TForm3::Button1Click() {
    close();
}

void TForm3::Label4Click() {
    QDesktopServices::openUrl(
        toolkit::Sites::current().promotionWith(QStringLiteral("/?id=Tessoly20110313_click")));
}

void TForm3::Label2Click() {
    QDesktopServices::openUrl(
        toolkit::Sites::current().promotionWith(QStringLiteral("/?id=Tessoly20110313")));
}

void TForm3::Label3Click() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + toolkit::Sites::current().contact));
}
