#pragma once

#include <QString>

#include <exception>

namespace toolkit {

// The program's error kind. Anything a command cannot do is thrown as an Error
// and reported by the application's default error report (see Application).
class Error : public std::exception {
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }
    // The class name shown by the start-up failure box.
    virtual const char* className() const noexcept { return "Error"; }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A silent abort: unwinds the handler without any message.
class Abort : public Error {
public:
    Abort() : Error(QStringLiteral("Operation aborted")) {}
    const char* className() const noexcept override { return "Abort"; }
};

} // namespace toolkit
