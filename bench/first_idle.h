// For start-up measurements only: ends the process's event loop the first time it has
// nothing left to do, so a whole run from exec to that point can be timed.
#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

namespace orv::bench {

inline void QuitAtFirstIdle() {
    QObject::connect(
        QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::SingleShotConnection);
}

}  // namespace orv::bench
