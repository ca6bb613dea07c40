#include "analysis/custom_asphalt/fm_custom_acac.h"

#include "shell/mdi_main.h"

namespace orv {

FmCustomACAC::FmCustomACAC(MDIMain& main) : Form(QStringLiteral("FmCustomACAC")), main_(main) {
    LblOption = new Label(this, QStringLiteral("LblOption"), QStringLiteral("Hot Mix Asphalt #2"));
}

}  // namespace orv
