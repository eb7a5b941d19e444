#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace testing {

// Polls every 10 ms until `find` returns a widget (or `timeoutMs` passes),
// then runs `act` on it. Use before the call that opens a dialog and blocks.
template <typename T>
void whenFound(std::function<T*()> find, std::function<void(T*)> act, int timeoutMs) {
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout,
                     [timer, find = std::move(find), act = std::move(act), elapsed, timeoutMs] {
                         T* w = find();
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

// Runs `act` on the next modal dialog (or popup menu, with `popup`) that opens.
inline void whenModal(std::function<void(QWidget*)> act, bool popup = false,
                      int timeoutMs = 10000) {
    whenFound<QWidget>(
        [popup] {
            return popup ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        },
        std::move(act), timeoutMs);
}

inline void whenPopup(std::function<void(QWidget*)> act) {
    whenModal(std::move(act), true);
}

// Like whenModal, but waits for a modal widget of class T (so that a chain of
// dialogs can be driven: the next one is awaited while the first is still up).
template <typename T> void whenModalOf(std::function<void(T*)> act, int timeoutMs = 10000) {
    whenFound<T>([] { return qobject_cast<T*>(QApplication::activeModalWidget()); }, std::move(act),
                 timeoutMs);
}

} // namespace testing
