#include "shell/mdi_main.h"

#include <QCloseEvent>
#include <QMdiArea>

#include "platform/activation.h"

namespace orv {

MDIMain::MDIMain() {
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(QStringLiteral("Orvalen"));
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(area_);
    ActivationTracker::instance().watchMdiArea(area_);
    resize(1024, 768);
}

void MDIMain::closeEvent(QCloseEvent* e) { e->accept(); }

}  // namespace orv
