// What the two default-schedule results windows share: the header line, option one's
// block, the three buttons and the six-step activation.
#pragma once

#include <QHash>

#include "analysis/default/default_analysis.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;
class Recordset;

class DefaultResultsWindow : public Form {
    Q_OBJECT
  public:
    void Form_Activate() override;
    void CmdPlotGraph_Click();
    void CmdPrintForm_Click();
    void CmdClose_Click();

    Label* LblConstructionType;
    Button* CmdPlotGraph;
    Button* CmdPrintForm;
    Button* CmdClose;

    // The cell a computation names ("LblOptOneYear(3)" for an element of an array).
    Label* Cell(const QString& name) const;

  protected:
    struct Texts {
        QString caption;
        QString optionTwoHeading;
        QString futureHead;
        QString constructionTag;
    };
    DefaultResultsWindow(MDIMain& main, const QString& name, const Texts& texts);

    // Row tops in twips.
    static int rowTop(int blockTop, int row) { return blockTop + 240 * (row + 1); }
    static constexpr int kOptionOneTop = 480;
    static constexpr int kOptionTwoTop = 3720;

    // A tag and the three money cells of a row at `top`; the cells take the given names.
    Label* tag(const QString& name, const QString& text, int top, bool emphasis = false);
    Label* moneyCell(const QString& name, int column, int top, bool emphasis = false);
    Label* yearCell(const QString& name, int top);
    Label* heading(const QString& name, const QString& text, int top);
    // The schedule rows 0 to 9 of an option: year and money arrays with their tags.
    void scheduleRows(int blockTop, const QString& year, const QString& cost,
                      const QString& inflated, const QString& value, bool namedTags);
    // Places the buttons under the last row and sizes the window.
    void finishLayout(int lastRowTop);

    // The table, its recordset, the computation, and the year cells' visibility.
    virtual QString table() const = 0;
    virtual Recordset& recordset() = 0;
    virtual DefaultResults compute(const DefaultInputs& in) = 0;
    virtual void showYearCells() = 0;

    MDIMain& main_;

  private:
    Label* label(const QString& name, const QString& text, int left, int top, int width, bool bold,
                 const QColor& color, double points);
    QHash<QString, Label*> cells_;
};

}  // namespace orv
