#include "analysis/default/fm_default_acag.h"

#include "shell/mdi_main.h"

namespace orv {

FmDefaultACAG::FmDefaultACAG(MDIMain& main) : Form(QStringLiteral("FmDefaultACAG")), main_(main) {}

}  // namespace orv
