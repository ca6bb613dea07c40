// "Print Report": chooses the reports of the current comparison and prints them on the
// default printer without a dialog.
#pragma once

#include <QString>
#include <vector>

#include "output/report_layout.h"

namespace orv {

class MDIMain;

// The five tests, each by itself and in order: "Aggregate" without and with Custom,
// "Hot Mix Asphalt #2" without and with Custom, and Custom with the list text equal to the
// user's surface. `customValue` other than 1 is not ticked; texts compare exactly.
std::vector<ReportId> ChooseReports(int customValue, const QString& listText,
                                    const QString& userSurface);

// Nothing without a printer. Reads the row of every chosen report first; when one cannot
// be read, a message names the working file and the reason and nothing is printed.
void PrintReport(MDIMain& main);

}  // namespace orv
