#include "Unit1/Unit1.h"
#include "app/Startup.h"
#include "common/ModalDriver.h"
#include "toolkit/Application.h"
#include "toolkit/FontDialog.h"
#include "toolkit/Memo.h"
#include "toolkit/TextLabel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include <memory>

// The commands of the main window's popup menus, driven as a user would.
class TestForm1Commands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void menuStructure_data();
    void menuStructure();
    void rightClickRouting_data();
    void rightClickRouting();
    void showHideCommandsFlipElementAndMark_data();
    void showHideCommandsFlipElementAndMark();
    void mediaRadioSequence();
    void dividerSetsTitleBox();
    void textCommandCentresNewText_data();
    void textCommandCentresNewText();
    void cancelAfterDividerCentresOnTheBox();
    void hiddenBottomTextChangedAndCentredWhileHidden();
    void inputBoxLimitsTo255Characters();
    void fontCommandOpensOnElementFontAndAppliesOk();
    void fontCommandCancelChangesNothing();
    void memoFontKeepsRectangle();
    void typedTextSurvivesHidingTheColumn();

private:
    template <typename T> T* get(const QString& name) const
    {
        auto* o = m_form->findChild<T*>(name);
        if (!o)
            qFatal("no %s", qPrintable(name));
        return o;
    }
    QAction* action(const QString& name) const { return get<QAction>(name); }
    toolkit::TextLabel* label(const char* name) const
    {
        return get<toolkit::TextLabel>(QString::fromLatin1(name));
    }
    // Right-clicks at a point of the window's client area through the window
    // system path and returns the name of the menu that opened.
    QString menuOpenedAt(QPoint clientPos);
    // Answers the next input box with `text` (or cancels it).
    void answerInputBox(const QString& text, bool ok, QString* caption = nullptr,
                        QString* prompt = nullptr, QString* start = nullptr);

    std::unique_ptr<TForm1> m_form;
};

void TestForm1Commands::init()
{
    m_form = std::make_unique<TForm1>();
    Form1 = m_form.get();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestForm1Commands::cleanup()
{
    Form1 = nullptr;
    m_form.reset();
}

QString TestForm1Commands::menuOpenedAt(QPoint clientPos)
{
    QString opened;
    testing::whenPopup([&](QWidget* popup) {
        opened = popup->objectName();
        popup->close();
    });
    QWindow* window = m_form->windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, clientPos);
    QTest::mouseRelease(window, Qt::RightButton, {}, clientPos);
    (void)QTest::qWaitFor([&] { return !opened.isEmpty(); }, 5000);
    (void)QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }, 5000);
    return opened;
}

void TestForm1Commands::answerInputBox(const QString& text, bool ok, QString* caption,
                                       QString* prompt, QString* start)
{
    testing::whenModal([=](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        QVERIFY(dialog);
        if (caption)
            *caption = dialog->windowTitle();
        if (prompt)
            *prompt = dialog->labelText();
        if (start)
            *start = dialog->textValue();
        if (ok) {
            dialog->setTextValue(text);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

void TestForm1Commands::menuStructure_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items"); // name|caption|flags  (c = checkable, x = checked)
    QTest::newRow("PopupMenuMain")
        << "PopupMenuMain"
        << QStringList{"ChangeTitleMenu_main|更改顶部标题文字...|",
                       "ChangeButtomMenu_main|更改底部文字...|",
                       "ShowTitleMenu|顶部标题文字|cx",
                       "ShowButtomMenu|底部文字|cx",
                       "ShowLeftMenu|左边文字|cx",
                       "ShowRightMenu|右边文字|cx",
                       "-",
                       "ShowOutCricleMenu|外圈线|cx",
                       "ShowMenuLineMenu|竖线|c",
                       "BackImageMenu|背景图片|c",
                       "SelectBackImageMenu|选择背景图片...|",
                       "MediaClass|介质类型|",
                       "-",
                       "N1|页面设置...|",
                       "print1|打印...|",
                       "-",
                       "About|关于...|",
                       "exit1|退出|"};
    QTest::newRow("MediaClass") << "MediaClass"
                                << QStringList{"CDMenu|CD|c", "DVDMenu|DVD|c",
                                               "NotCDDVDMenu|不显示|cx"};
    QTest::newRow("PopupMenuTitle")
        << "PopupMenuTitle" << QStringList{"ChangeTitleMenu|输入标题文字...|", "N3|字体...|"};
    QTest::newRow("PopupMenuButtom")
        << "PopupMenuButtom" << QStringList{"ChangeButtomMenu|修改底部文字...|", "N7|字体...|"};
    QTest::newRow("PopupMenuLeft") << "PopupMenuLeft" << QStringList{"LeftFont|字体...|"};
    QTest::newRow("PopupMenuRight") << "PopupMenuRight" << QStringList{"RightFont|字体...|"};
}

void TestForm1Commands::menuStructure()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    QStringList actual;
    for (QAction* a : get<QMenu>(menu)->actions()) {
        if (a->isSeparator()) {
            actual << QStringLiteral("-");
            continue;
        }
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        QString flags;
        if (a->isCheckable())
            flags += QLatin1Char('c');
        if (a->isChecked())
            flags += QLatin1Char('x');
        QVERIFY(a->isEnabled());
        QVERIFY(a->shortcut().isEmpty());
        actual << QStringLiteral("%1|%2|%3").arg(name, a->text(), flags);
    }
    QCOMPARE(actual, items);
}

void TestForm1Commands::rightClickRouting_data()
{
    QTest::addColumn<QStringList>("hide");
    QTest::addColumn<QPoint>("panelPos"); // in panel coordinates
    QTest::addColumn<QString>("menu");
    const QPoint title = QPoint(176 + 5, 45 + 20);
    QTest::newRow("title") << QStringList{} << title << "PopupMenuTitle";
    QTest::newRow("bottom text") << QStringList{} << QPoint(205, 396) << "PopupMenuButtom";
    QTest::newRow("left column") << QStringList{} << QPoint(80, 200) << "PopupMenuLeft";
    QTest::newRow("right column") << QStringList{} << QPoint(350, 200) << "PopupMenuRight";
    QTest::newRow("centre circle") << QStringList{} << QPoint(225, 225) << "PopupMenuMain";
    QTest::newRow("bare panel inside the disc") << QStringList{} << QPoint(225, 150)
                                                << "PopupMenuMain";
    QTest::newRow("panel corner") << QStringList{} << QPoint(3, 3) << "PopupMenuMain";
    QTest::newRow("window margin") << QStringList{} << QPoint(-10, -10) << "PopupMenuMain";
    QTest::newRow("hidden title's place") << QStringList{"TitleWords"} << title << "PopupMenuMain";
    QTest::newRow("hidden column's place") << QStringList{"LeftWords"} << QPoint(80, 200)
                                           << "PopupMenuMain";
    QTest::newRow("badge") << QStringList{} << QPoint(200, 430) << "PopupMenuMain";
}

void TestForm1Commands::rightClickRouting()
{
    QFETCH(QStringList, hide);
    QFETCH(QPoint, panelPos);
    QFETCH(QString, menu);
    if (QString(QTest::currentDataTag()) == QLatin1String("badge"))
        m_form->CDMenuClick();
    for (const QString& name : hide)
        get<QWidget>(name)->hide();
    QCOMPARE(menuOpenedAt(panelPos + QPoint(23, 33)), menu);
    if (menu == QLatin1String("PopupMenuLeft") || menu == QLatin1String("PopupMenuRight"))
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 menu == QLatin1String("PopupMenuLeft") ? QStringLiteral("LeftWords")
                                                        : QStringLiteral("RightWords"));
}

void TestForm1Commands::showHideCommandsFlipElementAndMark_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("element");
    QTest::newRow("title") << "ShowTitleMenu" << "TitleWords";
    QTest::newRow("bottom text") << "ShowButtomMenu" << "ButtomWords";
    QTest::newRow("left column") << "ShowLeftMenu" << "LeftWords";
    QTest::newRow("right column") << "ShowRightMenu" << "RightWords";
    QTest::newRow("outer circle") << "ShowOutCricleMenu" << "Shape1";
    QTest::newRow("divider") << "ShowMenuLineMenu" << "ShapeLine";
    QTest::newRow("background") << "BackImageMenu" << "BackImage";
}

void TestForm1Commands::showHideCommandsFlipElementAndMark()
{
    QFETCH(QString, item);
    QFETCH(QString, element);
    QAction* a = action(item);
    QWidget* w = get<QWidget>(element);
    const bool visible = w->isVisible();
    QCOMPARE(a->isChecked(), visible);
    const QRect geometry = w->geometry();
    a->trigger();
    QCOMPARE(w->isVisible(), !visible);
    QCOMPARE(a->isChecked(), !visible);
    a->trigger();
    QCOMPARE(w->isVisible(), visible);
    QCOMPARE(a->isChecked(), visible);
    if (item != QLatin1String("ShowMenuLineMenu"))
        QCOMPARE(w->geometry(), geometry);
}

void TestForm1Commands::mediaRadioSequence()
{
    auto* cd = get<QWidget>(QStringLiteral("ImageCD"));
    auto* dvd = get<QWidget>(QStringLiteral("ImageDVD"));
    auto marks = [&] {
        return QStringLiteral("%1%2%3")
            .arg(action("CDMenu")->isChecked())
            .arg(action("DVDMenu")->isChecked())
            .arg(action("NotCDDVDMenu")->isChecked());
    };
    struct Step {
        const char* item;
        const char* marks;
        bool cdShown;
        bool dvdShown;
    };
    const Step steps[] = {
        {"CDMenu", "100", true, false},       {"CDMenu", "000", true, false},
        {"DVDMenu", "010", false, true},      {"NotCDDVDMenu", "001", false, false},
        {"NotCDDVDMenu", "000", false, false}, {"NotCDDVDMenu", "001", false, false},
    };
    QCOMPARE(marks(), QStringLiteral("001"));
    for (const Step& s : steps) {
        action(QString::fromLatin1(s.item))->trigger();
        QCOMPARE(marks(), QString::fromLatin1(s.marks));
        QCOMPARE(cd->isVisible(), s.cdShown);
        QCOMPARE(dvd->isVisible(), s.dvdShown);
    }
}

void TestForm1Commands::dividerSetsTitleBox()
{
    auto* title = label("TitleWords");
    title->hide();
    action("ShowMenuLineMenu")->trigger();
    QCOMPARE(title->geometry().left(), 140);
    QCOMPARE(title->width(), 169);
    action("ShowMenuLineMenu")->trigger();
    QCOMPARE(title->geometry().left(), 104);
    QCOMPARE(title->width(), 249);
    QVERIFY(!title->isVisible());
}

void TestForm1Commands::textCommandCentresNewText_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("title from its menu") << "ChangeTitleMenu" << "TitleWords" << "Summer 2026"
                                         << "输入标题" << "标题";
    QTest::newRow("title from main menu") << "ChangeTitleMenu_main" << "TitleWords" << "旅行"
                                          << "输入标题" << "标题";
    QTest::newRow("empty title") << "ChangeTitleMenu" << "TitleWords" << "" << "输入标题" << "标题";
    QTest::newRow("ampersand title") << "ChangeTitleMenu" << "TitleWords" << "R&&B &Mix"
                                     << "输入标题" << "标题";
    QTest::newRow("bottom from its menu") << "ChangeButtomMenu" << "ButtomWords"
                                          << "2026-12-10 Vol.2" << "输入底部文字" << "底部文字";
    QTest::newRow("bottom from main menu") << "ChangeButtomMenu_main" << "ButtomWords" << "备份"
                                           << "输入底部文字" << "底部文字";
}

void TestForm1Commands::textCommandCentresNewText()
{
    QFETCH(QString, item);
    QFETCH(QString, element);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(QString, prompt);
    auto* l = get<toolkit::TextLabel>(element);
    const QString before = l->text();
    QString seenCaption, seenPrompt, seenStart;
    answerInputBox(text, true, &seenCaption, &seenPrompt, &seenStart);
    action(item)->trigger();
    QCOMPARE(seenCaption, caption);
    QCOMPARE(seenPrompt, prompt);
    QCOMPARE(seenStart, before);
    QCOMPARE(l->text(), text);
    const int w = toolkit::TextLabel::measure(text, l->font()).width();
    QCOMPARE(l->width(), w);
    QCOMPARE(l->x(), 225 - w / 2);
}

void TestForm1Commands::cancelAfterDividerCentresOnTheBox()
{
    auto* title = label("TitleWords");
    const QString text = title->text();
    action("ShowMenuLineMenu")->trigger(); // shown: 140/169
    answerInputBox(QString(), false);
    action("ChangeTitleMenu")->trigger();
    QCOMPARE(title->text(), text);
    QCOMPARE(title->x(), 141);
    QCOMPARE(title->width(), 169);
    action("ShowMenuLineMenu")->trigger(); // hidden: 104/249
    answerInputBox(text, true); // OK on an unchanged field does not re-measure either
    action("ChangeTitleMenu")->trigger();
    QCOMPARE(title->x(), 101);
    QCOMPARE(title->width(), 249);
}

void TestForm1Commands::hiddenBottomTextChangedAndCentredWhileHidden()
{
    auto* bottom = label("ButtomWords");
    action("ShowButtomMenu")->trigger();
    QVERIFY(!bottom->isVisible());
    answerInputBox(QStringLiteral("Disc 3 of 4"), true);
    action("ChangeButtomMenu_main")->trigger();
    QVERIFY(!bottom->isVisible());
    QCOMPARE(bottom->text(), QStringLiteral("Disc 3 of 4"));
    QCOMPARE(bottom->x(), 225 - bottom->width() / 2);
    action("ShowButtomMenu")->trigger();
    QVERIFY(bottom->isVisible());
}

void TestForm1Commands::inputBoxLimitsTo255Characters()
{
    int maxLength = 0;
    testing::whenModal([&](QWidget* w) {
        auto* edit = w->findChild<QLineEdit*>();
        QVERIFY(edit);
        maxLength = edit->maxLength();
        edit->setText(QString(300, QLatin1Char('x')));
        qobject_cast<QDialog*>(w)->accept();
    });
    action("ChangeTitleMenu")->trigger();
    QCOMPARE(maxLength, 255);
    QCOMPARE(label("TitleWords")->text().size(), 255);
}

void TestForm1Commands::fontCommandOpensOnElementFontAndAppliesOk()
{
    auto* bottom = label("ButtomWords");
    auto* title = label("TitleWords");
    const QPoint bottomPos = bottom->pos();
    const QSize bottomSize = bottom->size();
    const toolkit::FontRecord titleFont = title->fontRecord();

    QString openedFamily;
    testing::whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<toolkit::FontDialog*>(w);
        QVERIFY(dialog);
        openedFamily = dialog->fontChooser()->currentFont().family();
        QFont f = dialog->fontChooser()->currentFont();
        f.setPointSize(24);
        f.setStyleName(QStringLiteral("Bold")); // as picked in the style list
        f.setUnderline(true);
        dialog->fontChooser()->setCurrentFont(f);
        dialog->colorBox()->setCurrentIndex(dialog->colorBox()->findData(QColor(Qt::red)));
        dialog->accept();
    });
    action("N7")->trigger();
    QCOMPARE(openedFamily, bottom->font().family());
    const toolkit::FontRecord chosen = bottom->fontRecord();
    QCOMPARE(chosen.height, -32); // 24 pt at 96 pixels per inch
    QVERIFY(chosen.bold);
    QVERIFY(chosen.underline);
    QCOMPARE(chosen.color, QColor(Qt::red));
    // The label grew to the right and downward from where it was.
    QCOMPARE(bottom->pos(), bottomPos);
    QVERIFY(bottom->width() > bottomSize.width());
    QVERIFY(bottom->height() > bottomSize.height());
    // Nothing passed to another element, and the next command opens on the title's font.
    QCOMPARE(title->fontRecord(), titleFont);
    testing::whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<toolkit::FontDialog*>(w);
        openedFamily = dialog->fontChooser()->currentFont().family();
        QCOMPARE(dialog->colorBox()->currentData().value<QColor>(), QColor(Qt::black));
        dialog->reject();
    });
    action("N3")->trigger();
    QCOMPARE(openedFamily, title->font().family());
}

void TestForm1Commands::fontCommandCancelChangesNothing()
{
    auto* title = label("TitleWords");
    const toolkit::FontRecord font = title->fontRecord();
    const QRect geometry = title->geometry();
    testing::whenModal([](QWidget* w) {
        auto* dialog = qobject_cast<toolkit::FontDialog*>(w);
        QFont f = dialog->fontChooser()->currentFont();
        f.setPointSize(40);
        dialog->fontChooser()->setCurrentFont(f);
        dialog->reject();
    });
    action("N3")->trigger();
    QCOMPARE(title->fontRecord(), font);
    QCOMPARE(title->geometry(), geometry);
}

void TestForm1Commands::memoFontKeepsRectangle()
{
    auto* memo = get<toolkit::Memo>(QStringLiteral("LeftWords"));
    const QRect geometry = memo->geometry();
    const int linesBefore = memo->document()->lineCount();
    testing::whenModal([](QWidget* w) {
        auto* dialog = qobject_cast<toolkit::FontDialog*>(w);
        QFont f = dialog->fontChooser()->currentFont();
        f.setPointSize(30);
        dialog->fontChooser()->setCurrentFont(f);
        dialog->accept();
    });
    action("LeftFont")->trigger();
    QCOMPARE(memo->geometry(), geometry);
    QCOMPARE(memo->fontRecord().height, -40);
    QCOMPARE(memo->fontRecord().charset, 134);
    QVERIFY(memo->document()->lineCount() >= linesBefore);
}

void TestForm1Commands::typedTextSurvivesHidingTheColumn()
{
    auto* memo = get<toolkit::Memo>(QStringLiteral("RightWords"));
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("track 01"));
    const QString text = memo->toPlainText();
    action("ShowRightMenu")->trigger();
    action("ShowRightMenu")->trigger();
    QCOMPARE(memo->toPlainText(), text);
    QVERIFY(text.endsWith(QStringLiteral("track 01")));
}

int main(int argc, char** argv)
{
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    TestForm1Commands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_form1_commands.moc"
