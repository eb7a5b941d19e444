#include "Unit1/Unit1.h"
#include "Unit3/Unit3.h"
#include "app/Startup.h"
#include "toolkit/Application.h"
#include "toolkit/TextLabel.h"
#include "toolkit/web/Sites.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <memory>

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// The About window: its content, its links and how it shows and hides.
class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void window();
    void labels_data();
    void labels();
    void onlyTheButtonTakesFocus();
    void links_data();
    void links();
    void aboutShowsOneWindowInFront();
    void hiddenByButtonAndCloseKeepingPlaceAndSize();
    void scrollBarsWhenSmallerThanContents();
    void mainWindowKeepsWorkingWhileOpen();

private:
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm3> m_form3;
    UrlCatcher m_catcher;
};

void TestAbout::init() {
    m_form1 = std::make_unique<TForm1>();
    Form1 = m_form1.get();
    m_form3 = std::make_unique<TForm3>();
    Form3 = m_form3.get();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_catcher, "open");
    m_catcher.urls.clear();
}

void TestAbout::cleanup() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    Form3 = nullptr;
    Form1 = nullptr;
    m_form3.reset();
    m_form1.reset();
}

void TestAbout::window() {
    QCOMPARE(Form3->windowTitle(), QStringLiteral("Form3"));
    QCOMPARE(Form3->pos(), QPoint(268, 246));
    QVERIFY(!Form3->isVisible());
    auto* bevel = Form3->findChild<QFrame*>(QStringLiteral("Bevel1"));
    QVERIFY(bevel);
    QCOMPARE(bevel->geometry(), QRect(8, 8, 297, 161));
    QCOMPARE(bevel->frameShape(), QFrame::Box);
    QCOMPARE(bevel->frameShadow(), QFrame::Sunken);
    auto* button = Form3->findChild<QPushButton*>(QStringLiteral("Button1"));
    QCOMPARE(button->geometry(), QRect(120, 176, 75, 25));
    QCOMPARE(button->text(), QStringLiteral("确定(&O)"));
    QVERIFY(!button->isDefault());
    QVERIFY(!button->autoDefault());
}

void TestAbout::labels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("link"); // blue, underlined, hand cursor
    QTest::addColumn<bool>("centred");
    const toolkit::Sites& sites = toolkit::Sites::current();
    QTest::newRow("Label1") << "Label1" << QPoint(80, 16) << "Morvane" << -15 << true << false
                            << false;
    QTest::newRow("Label2") << "Label2" << QPoint(81, 42) << "版本  1.0.2011.0323" << -12 << false
                            << false << true;
    QTest::newRow("Label7") << "Label7" << QPoint(81, 64)
                            << "Copyright (C) 2011 The Morvane authors" << -12 << false << false
                            << true;
    QTest::newRow("Label4") << "Label4" << QPoint(82, 90)
                            << sites.promotion.toString(QUrl::StripTrailingSlash) << -12 << false
                            << true << true;
    QTest::newRow("Label3") << "Label3" << QPoint(82, 112) << sites.contact << -12 << false << true
                            << true;
}

void TestAbout::labels() {
    QFETCH(QString, name);
    QFETCH(QPoint, topLeft);
    QFETCH(QString, text);
    QFETCH(int, height);
    QFETCH(bool, bold);
    QFETCH(bool, link);
    QFETCH(bool, centred);
    auto* label = Form3->findChild<toolkit::TextLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->pos(), topLeft);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->size(), toolkit::TextLabel::measure(text, label->font()));
    QCOMPARE(label->fontRecord().face, QStringLiteral("宋体"));
    QCOMPARE(label->fontRecord().height, height);
    QCOMPARE(label->fontRecord().bold, bold);
    QCOMPARE(label->fontRecord().underline, link);
    QCOMPARE(label->fontRecord().color, link ? QColor(Qt::blue) : QColor(Qt::black));
    QCOMPARE(label->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
}

void TestAbout::onlyTheButtonTakesFocus() {
    QList<QWidget*> focusable;
    for (QWidget* w : Form3->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus && !qobject_cast<QScrollBar*>(w))
            focusable << w;
    QCOMPARE(focusable.size(), 1);
    QCOMPARE(focusable.first()->objectName(), QStringLiteral("Button1"));
}

void TestAbout::links_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("target"); // empty: opens nothing
    const toolkit::Sites& sites = toolkit::Sites::current();
    const QString promo = sites.promotion.toString(QUrl::StripTrailingSlash);
    QTest::newRow("site address") << "Label4" << promo + "/?id=Tessoly20110313_click";
    QTest::newRow("version text") << "Label2" << promo + "/?id=Tessoly20110313";
    QTest::newRow("e-mail address") << "Label3"
                                    << "mailto:" + sites.contact;
    QTest::newRow("product name") << "Label1"
                                  << "";
    QTest::newRow("copyright line") << "Label7"
                                    << "";
}

void TestAbout::links() {
    QFETCH(QString, label);
    QFETCH(QString, target);
    Form1->AboutClick();
    auto* w = Form3->findChild<toolkit::TextLabel*>(label);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
    if (target.isEmpty())
        QVERIFY(m_catcher.urls.isEmpty());
    else
        QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl(target)});
    QVERIFY(Form3->isVisible()); // the About window stays open
}

void TestAbout::aboutShowsOneWindowInFront() {
    m_form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form1.get()));
    const int windows = QApplication::topLevelWidgets().size();
    m_form1->findChild<QAction*>(QStringLiteral("About"))->trigger();
    QVERIFY(QTest::qWaitForWindowActive(Form3));
    m_form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form1.get()));
    m_form1->findChild<QAction*>(QStringLiteral("About"))->trigger();
    QVERIFY(QTest::qWaitForWindowActive(Form3));
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

void TestAbout::hiddenByButtonAndCloseKeepingPlaceAndSize() {
    Form1->AboutClick();
    Form3->move(300, 280);
    Form3->resize(400, 300);
    const QRect placed = Form3->geometry();
    QTest::mouseClick(Form3->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(!Form3->isVisible());
    Form1->AboutClick();
    QVERIFY(Form3->isVisible());
    QCOMPARE(Form3->geometry(), placed);
    Form3->close();
    QVERIFY(!Form3->isVisible());
    Form1->AboutClick();
    QCOMPARE(Form3->geometry(), placed);
}

void TestAbout::scrollBarsWhenSmallerThanContents() {
    Form1->AboutClick();
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
    auto* area = Form3->findChild<QScrollArea*>();
    QVERIFY(area);
    QTRY_VERIFY(!area->horizontalScrollBar()->isVisible());
    QVERIFY(!area->verticalScrollBar()->isVisible());
    Form3->resize(150, 100);
    QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
    QTRY_VERIFY(area->verticalScrollBar()->isVisible());
}

void TestAbout::mainWindowKeepsWorkingWhileOpen() {
    m_form1->show();
    Form1->AboutClick();
    QVERIFY(Form3->isVisible());
    auto* title = m_form1->findChild<QWidget*>(QStringLiteral("TitleWords"));
    m_form1->findChild<QAction*>(QStringLiteral("ShowTitleMenu"))->trigger();
    QVERIFY(title->isHidden());
    QVERIFY(!Form3->isModal());
}

int main(int argc, char** argv) {
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    TestAbout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_about.moc"
