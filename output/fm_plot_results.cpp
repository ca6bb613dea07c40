#include "output/fm_plot_results.h"

#include "shell/mdi_main.h"

namespace orv {

FmPlotResults::FmPlotResults(MDIMain& main) : Form(QStringLiteral("FmPlotResults")), main_(main) {}

}  // namespace orv
