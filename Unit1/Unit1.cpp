#include "Unit1/Unit1.h"

#include "Unit2/Unit2.h"
#include "Unit3/Unit3.h"
#include "picture/PictureLoader.h"
#include "toolkit/Application.h"
#include "toolkit/FontDialog.h"
#include "toolkit/InputBox.h"
#include "toolkit/OpenPictureDialog.h"
#include "toolkit/print/FormPrinter.h"
#include "toolkit/print/PrintDialogs.h"
#include "toolkit/web/ConnectivityProbe.h"
#include "toolkit/web/Sites.h"
#include "toolkit/web/StripDocking.h"
#include "ui_Unit1.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDate>
#include <QDesktopServices>
#include <QLocale>
#include <QTimer>
#include <QWebEngineView>

TForm1* Form1 = nullptr;
int AdPageNumber = 0;

namespace {

// The disc's vertical centre line in the panel, on which texts are centred.
constexpr int kCentreLine = 225;
// The title's box while the divider is shown / hidden.
constexpr QRect kTitleBoxWithDivider(140, 0, 169, 0);
constexpr QRect kTitleBoxWithoutDivider(104, 0, 249, 0);

// Shows a hidden element or hides a shown one; nothing else.
void toggle(QWidget* element) {
    element->setVisible(element->isHidden());
}

constexpr int kTimer1Interval = 55000;
constexpr int kTimer2Interval = 125000;

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    setFixedSize(size());
    move(property("designPosition").toPoint());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMouseTracking(true);

    ui->TitleWords->setPopupMenu(ui->PopupMenuTitle);
    ui->ButtomWords->setPopupMenu(ui->PopupMenuButtom);
    ui->LeftWords->setPopupMenu(ui->PopupMenuLeft);
    ui->RightWords->setPopupMenu(ui->PopupMenuRight);

    FontDialog1 = new toolkit::FontDialog(this);
    OpenPictureDialog1 = new toolkit::OpenPictureDialog(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimer1Interval);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kTimer2Interval);
    connect(Timer1, &QTimer::timeout, this, toolkit::guarded([this] { Timer1Timer(); }));
    connect(Timer2, &QTimer::timeout, this, toolkit::guarded([this] { Timer2Timer(); }));
    Timer1->start();
    Timer2->start();

    connectCommands();
}

TForm1::~TForm1() = default;

void TForm1::connectCommands() {
    const std::pair<QAction*, void (TForm1::*)()> commands[] = {
        {ui->ChangeTitleMenu_main, &TForm1::ChangeTitleMenuClick},
        {ui->ChangeTitleMenu, &TForm1::ChangeTitleMenuClick},
        {ui->ChangeButtomMenu_main, &TForm1::ChangeButtomMenuClick},
        {ui->ChangeButtomMenu, &TForm1::ChangeButtomMenuClick},
        {ui->ShowTitleMenu, &TForm1::ShowTitleMenuClick},
        {ui->ShowButtomMenu, &TForm1::ShowButtomMenuClick},
        {ui->ShowLeftMenu, &TForm1::ShowLeftMenuClick},
        {ui->ShowRightMenu, &TForm1::ShowRightMenuClick},
        {ui->ShowOutCricleMenu, &TForm1::ShowOutCricleMenuClick},
        {ui->ShowMenuLineMenu, &TForm1::ShowMenuLineMenuClick},
        {ui->BackImageMenu, &TForm1::BackImageMenuClick},
        {ui->SelectBackImageMenu, &TForm1::SelectBackImageMenuClick},
        {ui->CDMenu, &TForm1::CDMenuClick},
        {ui->DVDMenu, &TForm1::DVDMenuClick},
        {ui->NotCDDVDMenu, &TForm1::NotCDDVDMenuClick},
        {ui->N1, &TForm1::N1Click},
        {ui->print1, &TForm1::print1Click},
        {ui->About, &TForm1::AboutClick},
        {ui->exit1, &TForm1::exit1Click},
        {ui->N3, &TForm1::N3Click},
        {ui->N7, &TForm1::N7Click},
        {ui->LeftFont, &TForm1::LeftFontClick},
        {ui->RightFont, &TForm1::RightFontClick},
    };
    // A checkable item has flipped its own mark by the time `triggered` comes.
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this,
                toolkit::guarded([this, handler = handler] { (this->*handler)(); }));
}

// --- window events ---------------------------------------------------------

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    toolkit::runGuarded([this] { FormShow(); });
}

void TForm1::FormShow() {
    ui->ButtomWords->setText(
        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    // Top edge to 1; the left edge stays where the window was designed.
    move(property("designPosition").toPoint().x(), 1);
    startStrip();
}

void TForm1::startStrip() {
    if (!Form2)
        return;
    Form2->setWindowFlag(Qt::FramelessWindowHint);
    toolkit::dockUnder(*Form2, *this);
    Form2->resize(448, 60);
    Form2->WebBrowser1->setGeometry(-20, 0, 468, 80);
    if (!toolkit::probeConnection(toolkit::Sites::current().probe))
        return;
    Form2->show();
    Form2->raise();
    Form2->WebBrowser1->load(toolkit::Sites::current().promotionPage(1));
    AdPageNumber = 0;
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    toolkit::runGuarded([this] { FormResize(); });
}

void TForm1::FormResize() {
    if (Form2)
        toolkit::dockUnder(*Form2, *this);
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    toolkit::runGuarded([this] { FormMouseMove(); });
}

void TForm1::FormMouseMove() {
    if (Form2)
        toolkit::dockUnder(*Form2, *this);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    ui->PopupMenuMain->exec(event->globalPos());
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program.
    event->accept();
    QCoreApplication::quit();
}

// --- show/hide ---------------------------------------------------------------

void TForm1::ShowTitleMenuClick() {
    toggle(ui->TitleWords);
}

void TForm1::ShowButtomMenuClick() {
    toggle(ui->ButtomWords);
}

void TForm1::ShowLeftMenuClick() {
    toggle(ui->LeftWords);
}

void TForm1::ShowRightMenuClick() {
    toggle(ui->RightWords);
}

void TForm1::ShowOutCricleMenuClick() {
    toggle(ui->Shape1);
}

void TForm1::BackImageMenuClick() {
    toggle(ui->BackImage);
}

void TForm1::ShowMenuLineMenuClick() {
    toggle(ui->ShapeLine);
    const QRect box = ui->ShapeLine->isHidden() ? kTitleBoxWithoutDivider : kTitleBoxWithDivider;
    ui->TitleWords->setLeft(box.left());
    ui->TitleWords->setWidth(box.width());
}

void TForm1::SelectBackImageMenuClick() {
    if (!OpenPictureDialog1->execute(this))
        return;
    // Only a successful load replaces the picture.
    ui->BackImage->setPicture(picture::loadPictureFile(OpenPictureDialog1->fileName()));
    if (ui->BackImage->isHidden()) {
        ui->BackImage->show();
        ui->BackImageMenu->setChecked(true);
    }
}

// --- media badge -------------------------------------------------------------

void TForm1::CDMenuClick() {
    ui->ImageCD->setVisible(true);
    ui->ImageDVD->setVisible(false);
}

void TForm1::DVDMenuClick() {
    ui->ImageCD->setVisible(false);
    ui->ImageDVD->setVisible(true);
}

void TForm1::NotCDDVDMenuClick() {
    ui->ImageCD->setVisible(false);
    ui->ImageDVD->setVisible(false);
}

// --- texts and fonts -----------------------------------------------------------

void TForm1::changeLabelText(toolkit::TextLabel* label, const QString& caption,
                             const QString& prompt) {
    label->setText(toolkit::inputBox(caption, prompt, label->text(), this));
    label->setLeft(kCentreLine - label->width() / 2);
}

void TForm1::ChangeTitleMenuClick() {
    changeLabelText(ui->TitleWords, QStringLiteral("输入标题"), QStringLiteral("标题"));
}

void TForm1::ChangeButtomMenuClick() {
    changeLabelText(ui->ButtomWords, QStringLiteral("输入底部文字"), QStringLiteral("底部文字"));
}

void TForm1::chooseLabelFont(toolkit::TextLabel* label) {
    toolkit::FontRecord font = label->fontRecord();
    if (FontDialog1->execute(font))
        label->setFontRecord(font);
}

void TForm1::chooseMemoFont(toolkit::Memo* memo) {
    toolkit::FontRecord font = memo->fontRecord();
    if (FontDialog1->execute(font))
        memo->setFontRecord(font);
}

void TForm1::N3Click() {
    chooseLabelFont(ui->TitleWords);
}

void TForm1::N7Click() {
    chooseLabelFont(ui->ButtomWords);
}

void TForm1::LeftFontClick() {
    chooseMemoFont(ui->LeftWords);
}

void TForm1::RightFontClick() {
    chooseMemoFont(ui->RightWords);
}

// --- printing, About, exit -------------------------------------------------------

void TForm1::N1Click() {
    toolkit::showPrinterSetupDialog(this);
}

void TForm1::print1Click() {
    if (toolkit::showPrintDialog(this))
        toolkit::printForm(*this);
}

void TForm1::AboutClick() {
    if (!Form3)
        return;
    Form3->show();
    Form3->raise();
    Form3->activateWindow();
}

void TForm1::exit1Click() {
    close();
}

// --- timers ----------------------------------------------------------------------

void TForm1::Timer1Timer() {
    if (!Form2 || !toolkit::probeConnection(toolkit::Sites::current().probe))
        return;
    if (++AdPageNumber > 10)
        AdPageNumber = 1;
    Form2->WebBrowser1->load(toolkit::Sites::current().promotionPage(AdPageNumber));
}

void TForm1::Timer2Timer() {
    QDesktopServices::openUrl(toolkit::Sites::current().timedPage());
    Timer2->stop();
}
