#pragma once

#include <QApplication>
#include <QString>

#include <exception>
#include <utility>

namespace toolkit {

// The application object: derives the title from the executable's name and
// reports any exception that escapes an event handler in a critical message
// box captioned with that title; the program then goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    static Application* instance();

    // The executable's file name without directory, cut at its first full
    // stop, all but the first character lower-cased.
    static QString titleFromExecutable(const QString& path);
    // The text of the error box: the message, plus a full stop when it is not
    // empty and its last character's code is greater than that of ".".
    static QString errorText(const QString& message);

    QString title() const { return m_title; }

    // Shows the default error report for the exception (silent for Abort).
    void handleException(std::exception_ptr error);
    // Shows a message in the default error report.
    void showErrorMessage(const QString& message);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QString m_title;
};

// Runs a handler under the application's default error report: an exception
// that escapes it is shown and the program goes on.
template <typename F> void runGuarded(F&& handler)
{
    try {
        std::forward<F>(handler)();
    } catch (...) {
        if (auto* app = Application::instance())
            app->handleException(std::current_exception());
    }
}

// Wraps a handler for connect(): `connect(a, &QAction::triggered, guarded([this] { ... }))`.
template <typename F> auto guarded(F handler)
{
    return [handler = std::move(handler)](auto&&...) { runGuarded(handler); };
}

} // namespace toolkit
