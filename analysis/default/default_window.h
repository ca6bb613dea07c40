// What the two default-schedule results windows share: the header line, option one's
// block, the three buttons and the six-step activation.
#pragma once

#include <QColor>
#include <QHash>
#include <array>
#include <functional>

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
        QColor back = QColor(224, 224, 224);  // window and labels
        // Each option's name stands at the left of its block, beside its first lines; else on
        // a line of its own above the block.
        bool namesBeside = false;
        // The salvage line's year cells are bold dark red like the rest of that line.
        bool salvageYearsEmphasised = false;
    };
    DefaultResultsWindow(MDIMain& main, const QString& name, const Texts& texts);

    // Row tops in twips.
    static int rowTop(int blockTop, int row) { return blockTop + 240 * (row + 1); }
    static constexpr int kOptionOneTop = 480;
    static constexpr int kOptionTwoTop = 3720;

    // A tag and the three money cells of a row at `top`; the cells take the given names.
    Label* tag(const QString& name, const QString& text, int top, bool emphasis = false);
    Label* moneyCell(const QString& name, int column, int top, bool emphasis = false);
    Label* yearCell(const QString& name, int top, bool emphasis = false);
    // How far right the rows' columns stand of where a window with names above its blocks
    // has them.
    int shift() const;
    // An option's name, placed by the block's top.
    Label* heading(const QString& name, const QString& text, int blockTop);
    // The schedule rows 0 to 9 of an option: year and money arrays with their tags.
    void scheduleRows(int blockTop, const QString& year, const QString& cost,
                      const QString& inflated, const QString& value, bool namedTags);
    // The same with the rows' own tag names (empty: none) and texts.
    void scheduleRows(int blockTop, const QString& year, const QString& cost,
                      const QString& inflated, const QString& value,
                      const std::array<QString, kScheduleRows>& tagNames,
                      const std::array<QString, kScheduleRows>& tagTexts);
    // Places the buttons under the last row and sizes the window.
    void finishLayout(int lastRowTop);
    // Shows or hides each year cell of `array` ("LblOptOneYear", "LblOptTwoYear").
    void showYearArray(const QString& array, const std::array<bool, kScheduleRows>& visible);

    // The table, its recordset, the computation from the project record (a field's value by
    // name, the analysis-period list's entries), and the year cells' visibility.
    virtual QString table() const = 0;
    virtual Recordset& recordset() = 0;
    virtual DefaultResults compute(const std::function<QVariant(const QString&)>& recordField,
                                   const QStringList& periodEntries) = 0;
    virtual void showYearCells() = 0;
    // An activation that could not read the record or write the row (what failed, and why).
    // The row then stays as it was.
    virtual void activationFailed(const QString& what) { (void)what; }

    MDIMain& main_;

  private:
    Label* label(const QString& name, const QString& text, int left, int top, int width, bool bold,
                 const QColor& color, double points);
    QHash<QString, Label*> cells_;
    QColor back_;
    bool namesBeside_;
    bool salvageYearsEmphasised_;
};

}  // namespace orv
