#pragma once

#include <QCoreApplication>
#include <QPointer>

#include <thread>
#include <utility>

// Runs work on a thread of its own and hands the result to deliver on the
// main thread, if receiver still exists then. The thread is detached: a call
// that never returns (a server that stopped answering) holds only itself,
// never the window or the program's exit.
template <typename Receiver, typename Work, typename Deliver>
void runOffThread(Receiver *receiver, Work work, Deliver deliver)
{
    QPointer<Receiver> guard(receiver);
    std::thread([guard, work = std::move(work), deliver = std::move(deliver)]() mutable {
        auto result = work();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, deliver = std::move(deliver), result = std::move(result)]() mutable {
                if (guard)
                    deliver(guard.data(), std::move(result));
            },
            Qt::QueuedConnection);
    }).detach();
}
