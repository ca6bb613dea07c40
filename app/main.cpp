#include <QApplication>

#include "shell/application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalen"));
    return orv::RunOrvalen();
}
