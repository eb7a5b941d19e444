#include "toolkit/Application.h"
#include "toolkit/Error.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void titleFromExecutable_data();
    void titleFromExecutable();
    void errorText_data();
    void errorText();
    void escapedExceptionIsReportedAndProgramGoesOn();
    void silentAbortShowsNothing();
};

void TestApplication::titleFromExecutable_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain name") << "/usr/bin/morvane" << "morvane";
    QTest::newRow("capitals lowered but the first") << "/opt/MORVANE" << "Morvane";
    QTest::newRow("first character keeps its case") << "MorVANE" << "Morvane";
    QTest::newRow("lower-case first stays lower") << "morVane" << "morvane";
    QTest::newRow("cut at the first full stop") << "/x/Morvane.Beta.exe" << "Morvane";
    QTest::newRow("directory with dots ignored") << "/a.b/c.d/Label.bin" << "Label";
    QTest::newRow("one character") << "/bin/M" << "M";
    QTest::newRow("starts with a dot") << "/bin/.hidden" << "";
}

void TestApplication::titleFromExecutable()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(toolkit::Application::titleFromExecutable(path), title);
}

void TestApplication::errorText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter gets a full stop") << "Printer selected is not valid"
                                             << "Printer selected is not valid.";
    QTest::newRow("digit gets a full stop") << "JPEG error #53" << "JPEG error #53.";
    QTest::newRow("Chinese character gets one") << "打印错误" << "打印错误.";
    QTest::newRow("full stop not doubled") << "Done." << "Done.";
    QTest::newRow("exclamation mark") << "Stop!" << "Stop!";
    QTest::newRow("closing bracket") << "Unknown picture file extension (.gif)"
                                     << "Unknown picture file extension (.gif)";
    QTest::newRow("trailing space") << "Oops " << "Oops ";
    QTest::newRow("slash is greater than the dot") << "a/" << "a/.";
    QTest::newRow("empty stays empty") << "" << "";
}

void TestApplication::errorText()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    QCOMPARE(toolkit::Application::errorText(message), text);
}

void TestApplication::escapedExceptionIsReportedAndProgramGoesOn()
{
    auto* app = toolkit::Application::instance();
    QVERIFY(app);
    QString caption;
    QString text;
    bool after = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        caption = box->windowTitle();
        QCOMPARE(box->icon(), QMessageBox::Critical);
        box->accept();
    });
    bool stateChangedBefore = false;
    toolkit::runGuarded([&] {
        stateChangedBefore = true;
        throw toolkit::Error(QStringLiteral("Cannot open file /tmp/x"));
        after = true; // never reached
    });
    QVERIFY(stateChangedBefore);
    QVERIFY(!after);
    QCOMPARE(caption, app->title());
    QCOMPARE(text, QStringLiteral("Cannot open file /tmp/x."));
}

void TestApplication::silentAbortShowsNothing()
{
    bool boxSeen = false;
    QTimer::singleShot(0, [&] {
        if (auto* w = QApplication::activeModalWidget()) {
            boxSeen = true;
            w->close();
        }
    });
    toolkit::runGuarded([] { throw toolkit::Abort(); });
    QCoreApplication::processEvents();
    QVERIFY(!boxSeen);
}

int main(int argc, char** argv)
{
    toolkit::Application app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
