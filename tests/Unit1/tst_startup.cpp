#include "Unit1/Unit1.h"
#include "Unit2/Unit2.h"
#include "Unit3/Unit3.h"
#include "app/Startup.h"
#include "common/ModalDriver.h"
#include "toolkit/Application.h"
#include "toolkit/Error.h"

#include <QMenu>
#include <QMessageBox>
#include <QtTest>

// Start-up, the main loop and the end of the program.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void failureWhileCreatingWindowsExitsWithOne_data();
    void failureWhileCreatingWindowsExitsWithOne();
    void closingTheMainWindowEndsWithZero_data();
    void closingTheMainWindowEndsWithZero();
    void closingOtherWindowsOnlyHidesThem();
};

void TestStartup::failureWhileCreatingWindowsExitsWithOne_data()
{
    QTest::addColumn<int>("stage");
    QTest::newRow("main window") << int(app::Stage::CreateForm1);
    QTest::newRow("web strip") << int(app::Stage::CreateForm2);
    QTest::newRow("About window") << int(app::Stage::CreateForm3);
}

void TestStartup::failureWhileCreatingWindowsExitsWithOne()
{
    QFETCH(int, stage);
    QString caption, text;
    bool anyWindowShown = true;
    testing::whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        caption = box->windowTitle();
        text = box->text();
        anyWindowShown = false;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != box && top->isVisible() && !qobject_cast<QMenu*>(top))
                anyWindowShown = true;
        box->accept();
    });
    const int code = app::run(*toolkit::Application::instance(), [stage](app::Stage s) {
        if (int(s) == stage)
            throw toolkit::Error(QStringLiteral("Class not registered"));
    });
    QCOMPARE(code, 1);
    QCOMPARE(caption, QStringLiteral("Application Error"));
    QVERIFY2(text.contains(QStringLiteral("Error")), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral("Class not registered.")), qPrintable(text));
    QVERIFY(!anyWindowShown);
    QVERIFY(!Form1 && !Form2 && !Form3);
}

void TestStartup::closingTheMainWindowEndsWithZero_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close";
    QTest::newRow("exit item") << "exit1";
}

void TestStartup::closingTheMainWindowEndsWithZero()
{
    QFETCH(QString, how);
    bool sawWindows = false;
    QPoint shownAt;
    QTimer::singleShot(200, [&] {
        sawWindows = Form1 && Form2 && Form3 && Form1->isVisible() && !Form3->isVisible();
        shownAt = Form1->pos();
        Form3->show(); // an open About window does not keep the program alive
        if (how == QLatin1String("close"))
            Form1->close();
        else
            Form1->findChild<QAction*>(QStringLiteral("exit1"))->trigger();
    });
    const int code = app::run(*toolkit::Application::instance());
    QCOMPARE(code, 0);
    QVERIFY(sawWindows);
    QCOMPARE(shownAt, QPoint(204, 1));
    QVERIFY(!Form1 && !Form2 && !Form3);
}

void TestStartup::closingOtherWindowsOnlyHidesThem()
{
    bool alive = false;
    QTimer::singleShot(200, [&] {
        Form3->show();
        Form3->close();
        Form2->show();
        Form2->close();
        QTimer::singleShot(100, [&] {
            alive = Form1 && Form1->isVisible() && Form2 && Form3 && !Form3->isVisible();
            Form1->close();
        });
    });
    QCOMPARE(app::run(*toolkit::Application::instance()), 0);
    QVERIFY(alive);
}

int main(int argc, char** argv)
{
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
