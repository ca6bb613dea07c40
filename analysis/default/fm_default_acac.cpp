#include "analysis/default/fm_default_acac.h"

#include "shell/mdi_main.h"

namespace orv {

FmDefaultACAC::FmDefaultACAC(MDIMain& main) : Form(QStringLiteral("FmDefaultACAC")), main_(main) {}

}  // namespace orv
