#include "output/print_report.h"

#include <QPainter>

#include "inputs/entry_rules.h"
#include "inputs/fm_data_entry.h"
#include "output/report_render.h"
#include "platform/clock.h"
#include "shell/mdi_main.h"

namespace orv {

std::vector<ReportId> ChooseReports(int customValue, const QString& listText,
                                    const QString& userSurface) {
    const bool custom = customValue == 1;
    std::vector<ReportId> reports;
    if (listText == kAggregate && !custom) reports.push_back(ReportId::DefaultACAG);
    if (listText == kAggregate && custom) reports.push_back(ReportId::CustomACAG);
    if (listText == kAsphaltTwo && !custom) reports.push_back(ReportId::DefaultACAC);
    if (listText == kAsphaltTwo && custom) reports.push_back(ReportId::CustomACAC);
    if (custom && listText == userSurface) reports.push_back(ReportId::CustomACAC);
    return reports;
}

void PrintReport(MDIMain& main) {
    if (!main.PrinterOK) return;
    struct Job {
        const ReportLayout* layout;
        ReportRow row;
    };
    std::vector<Job> jobs;
    try {
        FmDataEntry& entry = main.fmDataEntry();
        const QString userSurface = main.rstVORN.Text(QStringLiteral("SurfaceOptionTwoLabel"));
        for (ReportId id : ChooseReports(entry.ChkCustomMaintenance->Value(),
                                         entry.CbxSurfaceTwo->Text(), userSurface)) {
            const ReportLayout& layout = Layout(id);
            ReportRow row = main.DataEnv.Read(main.dbVORN, layout.command);
            const QStringList missing = MissingFields(layout, row);
            if (!missing.isEmpty()) {
                throw DbError(QStringLiteral("The tables VORN and %1 lack the field %2")
                                  .arg(layout.resultsTable, missing.join(QStringLiteral(", "))));
            }
            jobs.push_back({&layout, std::move(row)});
        }
    } catch (const DbError& e) {
        MsgBox(QStringLiteral(" Cannot Print The Report From ") + main.workFile() +
                   QStringLiteral(": ") + e.Message(),
               MsgStyle::OkExclamation, QStringLiteral("Print Report"));
        return;
    }
    const QString printDate = LongDateText(Today());
    for (const Job& job : jobs) {
        const DisplayList list = RenderReport(*job.layout, job.row, printDate);
        const PageSetup setup = ReportPageSetup(*job.layout);
        const double areaTwips = QPageSize(setup.paper).size(QPageSize::Point).width() * 20.0 -
                                 setup.marginsTwips.left() - setup.marginsTwips.right();
        Backend().printDocument(setup, 1, [&](QPainter& painter, int, const QRectF& area) {
            PaintDisplayList(painter, list, area.width() / areaTwips);
        });
    }
}

}  // namespace orv
