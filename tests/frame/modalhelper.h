#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// Runs act on the next modal dialog of type T once it is up. A test must not hang when act does not close
// the dialog, or when the dialog never comes: the dialog is rejected after 5 s, and the watch gives up
// after 5 s.
template<class T>
inline void whenModal(const std::function<void(T *)> &act)
{
    auto *poll = new QTimer;
    auto *started = new QElapsedTimer;
    started->start();
    QObject::connect(poll, &QTimer::timeout, [poll, started, act] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            poll->stop();
            // Bound to the dialog: the guard goes with it when it is closed and destroyed in time.
            QTimer::singleShot(5000, dialog, [dialog] {
                if (auto *d = qobject_cast<QDialog *>(dialog); d && d->isVisible())
                    d->reject();
            });
            act(dialog);
        } else if (started->elapsed() > 5000) {
            poll->stop();
        } else {
            return;
        }
        poll->deleteLater();
        delete started;
    });
    poll->start(10);
}
