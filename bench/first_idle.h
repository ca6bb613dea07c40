// For start-up measurements only: ends the process the first time its event loop has
// nothing left to do, so the run from exec to that point can be timed without the
// teardown that follows.
#pragma once

#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <cstdio>

namespace orv::bench {

inline void QuitAtFirstIdle() {
    QObject::connect(
        QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
        QCoreApplication::instance(),
        [] {
            std::fflush(nullptr);
            ::_exit(0);
        },
        Qt::SingleShotConnection);
}

}  // namespace orv::bench
