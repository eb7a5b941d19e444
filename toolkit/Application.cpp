#include "toolkit/Application.h"

#include "toolkit/Error.h"

#include <QFileInfo>
#include <QMessageBox>

namespace toolkit {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_title(titleFromExecutable(argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString())) {}

Application* Application::instance() {
    return qobject_cast<Application*>(QCoreApplication::instance());
}

QString Application::titleFromExecutable(const QString& path) {
    QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

QString Application::errorText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void Application::handleException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Abort&) {
        // silent by design
    } catch (const Error& e) {
        showErrorMessage(e.message());
    } catch (const std::bad_alloc&) {
        showErrorMessage(QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        showErrorMessage(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showErrorMessage(QStringLiteral("Unknown error"));
    }
}

void Application::showErrorMessage(const QString& message) {
    // No parent: the box is application-modal, so the other windows are
    // disabled while it is up.
    QMessageBox box(QMessageBox::Critical, m_title, errorText(message), QMessageBox::Ok);
    box.exec();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handleException(std::current_exception());
        return false;
    }
}

} // namespace toolkit
