#include "analysis/custom_aggregate/fm_custom_acag.h"

#include "shell/mdi_main.h"

namespace orv {

FmCustomACAG::FmCustomACAG(MDIMain& main) : Form(QStringLiteral("FmCustomACAG")), main_(main) {}

}  // namespace orv
