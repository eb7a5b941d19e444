#include "app/Startup.h"

#include "Unit1/Unit1.h"
#include "Unit2/Unit2.h"
#include "Unit3/Unit3.h"
#include "toolkit/Application.h"
#include "toolkit/Error.h"
#include "toolkit/FontStandIns.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

#include <memory>
#include <typeinfo>

namespace app {

namespace {

QString describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const toolkit::Error& e) {
        return QStringLiteral("Exception %1 in module %2.\n%3")
            .arg(QString::fromLatin1(e.className()),
                 QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                 toolkit::Application::errorText(e.message()));
    } catch (const std::exception& e) {
        return QStringLiteral("Exception %1 in module %2.\n%3")
            .arg(QString::fromLatin1(typeid(e).name()),
                 QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                 toolkit::Application::errorText(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        return QStringLiteral("Unknown exception");
    }
}

void destroyWindows()
{
    for (QWidget* w : {static_cast<QWidget*>(Form1), static_cast<QWidget*>(Form2),
                       static_cast<QWidget*>(Form3)}) {
        if (w)
            w->hide();
    }
    delete Form3;
    Form3 = nullptr;
    delete Form2;
    Form2 = nullptr;
    delete Form1;
    Form1 = nullptr;
}

} // namespace

void prepareApplication(toolkit::Application& app)
{
    toolkit::installFontStandIns();
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/morvane/icons/morvane-%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
    // Ties the windows to the installed launcher (Wayland's app id).
    app.setDesktopFileName(QStringLiteral("example.morvane.Morvane"));
    // Closing the About window or the strip never ends the program; closing
    // the main window does.
    app.setQuitOnLastWindowClosed(false);
}

int run(toolkit::Application& app, const StageHook& beforeStage)
{
    auto stage = [&](Stage s) {
        if (beforeStage)
            beforeStage(s);
    };
    try {
        stage(Stage::CreateForm1);
        Form1 = new TForm1;
        stage(Stage::CreateForm2);
        Form2 = new TForm2;
        stage(Stage::CreateForm3);
        Form3 = new TForm3;
    } catch (...) {
        const QString text = describe(std::current_exception());
        destroyWindows();
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"), text,
                        QMessageBox::Ok);
        box.exec();
        return 1;
    }

    Form1->show();
    app.exec();
    destroyWindows();
    return 0;
}

} // namespace app
