#pragma once

#include <QString>
#include <QtGlobal>

namespace orv::test {

// Points the home folder and the XDG folders at `home`, so that no test touches the user's.
inline void UseHome(const QString& home) {
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
    qputenv("XDG_CACHE_HOME", (home + "/.cache").toUtf8());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.toUtf8());
}

}  // namespace orv::test
