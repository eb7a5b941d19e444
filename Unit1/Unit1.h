#pragma once

#include <QWidget>

#include <memory>

class QTimer;

namespace Ui {
class TForm1;
}

namespace toolkit {
class FontDialog;
class OpenPictureDialog;
class TextLabel;
class Memo;
struct FontRecord;
} // namespace toolkit

// The main window: the disc label designer. Its handlers are the commands of
// the label's popup menus, the window's events and the two timers.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Window events
    void FormShow();
    void FormResize();
    void FormMouseMove();

    // Show/hide commands
    void ShowTitleMenuClick();
    void ShowButtomMenuClick();
    void ShowLeftMenuClick();
    void ShowRightMenuClick();
    void ShowOutCricleMenuClick();
    void ShowMenuLineMenuClick();
    void BackImageMenuClick();
    void SelectBackImageMenuClick();

    // Media badge
    void CDMenuClick();
    void DVDMenuClick();
    void NotCDDVDMenuClick();

    // Texts and fonts
    void ChangeTitleMenuClick();
    void ChangeButtomMenuClick();
    void N3Click();
    void N7Click();
    void LeftFontClick();
    void RightFontClick();

    // Printing, About, exit
    void N1Click();
    void print1Click();
    void AboutClick();
    void exit1Click();

    // Timers
    void Timer1Timer();
    void Timer2Timer();

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    toolkit::FontDialog* FontDialog1 = nullptr;
    toolkit::OpenPictureDialog* OpenPictureDialog1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectCommands();
    void startStrip();
    void changeLabelText(toolkit::TextLabel* label, const QString& caption, const QString& prompt);
    void chooseLabelFont(toolkit::TextLabel* label);
    void chooseMemoFont(toolkit::Memo* memo);

    std::unique_ptr<Ui::TForm1> ui;
    bool m_shown = false;
};

extern TForm1* Form1;
// The number of the promotional page the strip last asked for (1 to 10).
extern int AdPageNumber;
