// Writes the template project database: make_template <output path>. The file is written
// under a temporary name and renamed into place, so a failed run leaves no half file.
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "platform/database.h"
#include "store/schema.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_template <output path>\n");
        return 2;
    }
    const QString target = QString::fromLocal8Bit(argv[1]);
    const QString temporary = target + QStringLiteral(".new");
    QFile::remove(temporary);
    try {
        orv::schema::WriteTemplate(temporary);
    } catch (const orv::DbError& e) {
        std::fprintf(stderr, "make_template: %s\n", e.what());
        return 1;
    }
    QFile::remove(target);
    if (!QFile::rename(temporary, target)) {
        std::fprintf(stderr, "make_template: cannot rename %s\n", qPrintable(temporary));
        QFile::remove(temporary);
        return 1;
    }
    return 0;
}
