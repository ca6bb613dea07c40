#include <QApplication>

#include "shell/application.h"
#ifdef ORVALEN_QUIT_AT_FIRST_IDLE
#include "bench/first_idle.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orv::SetApplicationIdentity();
#ifdef ORVALEN_QUIT_AT_FIRST_IDLE
    orv::bench::QuitAtFirstIdle();
#endif
    return orv::RunOrvalen();
}
