#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable gtest output for Qt texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << 'x' << s.height(); }
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{';
    for (const QString& s : l) *os << "\n  \"" << s.toStdString() << '"';
    *os << "\n}";
}
