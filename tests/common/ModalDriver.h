#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace testing {

// Runs `act` on the next modal dialog (or popup menu, with `popup`) that
// opens, once it is up. Use before the call that opens the dialog and blocks.
inline void whenModal(std::function<void(QWidget*)> act, bool popup = false, int timeoutMs = 10000)
{
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act), popup, elapsed,
                                               timeoutMs] {
        QWidget* w = popup ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        *elapsed += 10;
        if (!w && *elapsed < timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        if (w)
            act(w);
    });
    timer->start();
}

inline void whenPopup(std::function<void(QWidget*)> act)
{
    whenModal(std::move(act), true);
}

} // namespace testing

namespace testing {

// Like whenModal, but waits for a modal widget of class T (so that a chain of
// dialogs can be driven: the next one is awaited while the first is still up).
template <typename T> void whenModalOf(std::function<void(T*)> act, int timeoutMs = 10000)
{
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act), elapsed, timeoutMs] {
        T* w = qobject_cast<T*>(QApplication::activeModalWidget());
        *elapsed += 10;
        if (!w && *elapsed < timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        if (w)
            act(w);
    });
    timer->start();
}

} // namespace testing
