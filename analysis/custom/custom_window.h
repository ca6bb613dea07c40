// What the custom-schedule results windows share: the grid of two options of nine dated
// treatments, the construction, salvage and total rows, the four buttons, activation,
// loading, saving, clearing and the entry handlers. A window is this skeleton plus its traits:
// its names, captions, activity lists and the rules in which the windows differ.
#pragma once

#include <QCloseEvent>
#include <array>
#include <functional>

#include "analysis/custom/schedule_rules.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;
class Recordset;

struct CustomWindowTraits {
    QString name;
    QString caption;
    // The heading of option Two: its name, its design caption and its box in twips.
    QString headingTwoName;
    QString headingTwoText;
    int headingTwoLeft = 180, headingTwoTop = 4230, headingTwoWidth = 975, headingTwoHeight = 315;
    bool headingTwoCentred = false;
    // Captions and names of the row captions, option One first.
    std::array<QString, 2> constructionTags;
    std::array<QString, 2> constructionTagNames = {QStringLiteral("Label43"),
                                                   QStringLiteral("Label9")};
    std::array<QString, 2> salvageTagNames;
    std::array<QString, 2> totalTagNames = {QStringLiteral("Label5"), QStringLiteral("Label1")};
    std::array<const ActivityList*, 2> activities = {nullptr, nullptr};
    // The list entry each activation selects in every row before the load.
    int fillIndex = 0;
    // A "% Area" row holds a whole percent: the program's writes are rounded at once, the
    // user's when the box is left.
    bool wholePercent = true;
    // Each change of a depth box's text reprices its row (per option).
    std::array<bool, 2> repriceOnDepthChange = {false, false};
    CaptionForm loadSalvageForm;
    CaptionForm clearSalvageForm;
    // The results table and its recordset.
    QString table;
    std::function<Recordset&(MDIMain&)> recordset;
    // The unit cost of option Two's surface layer, read from the project record.
    std::function<double(Recordset& vorn)> surfaceTwoCost;

    // Where the concrete comparison differs; each default is the asphalt windows' rule.
    // Reads of the user item names and of unit costs (none: the record's own fields).
    std::function<QVariant(Recordset& vorn, const QString& field)> recordField;
    // The record fields naming the lists' user items.
    QStringList userLabelFields = kMaintLabelFields;
    // An option's design and costs (none: the asphalt windows' layers and options).
    std::function<ConstructionInputs(Recordset& vorn, int option)> construction;
    // Whether an option's column is shown (none: when it has a design).
    std::function<bool(int option, const ConstructionInputs& design)> optionShown;
    // A hidden option hides its salvage row too.
    bool hideSalvageWithOption = false;
    // "Clear Entries" shows or hides each option's column as a load does, and leaves each
    // row's units and depth box as the unit rule of its first entry sets them.
    bool clearSetsColumnsAndUnits = false;
    QString yearMessage = kScheduleYearMessage;
    // A pick tests the inch entries before the percent entries, so percent decides.
    std::array<bool, 2> pickPercentLast = {false, false};
    // With wholePercent, whether the program's writes of a percentage are rounded at once.
    bool roundPercentWrites = true;
    // The rows' today's-cost column is shown.
    bool showRowCosts = false;
    // "Plot Graph" saves the schedule first.
    bool saveBeforePlot = true;
};

class CustomScheduleWindow : public Form {
    Q_OBJECT
  public:
    // The controls of one option.
    struct Option {
        ControlArray<ComboBox> Activity;  // CbxOpt<X>Option
        ControlArray<TextBox> Year, Depth;
        ControlArray<Label> Units, Cost, Inflated, Value;
        Label* ConstCost = nullptr;
        Label* ConstInflated = nullptr;
        Label* ConstValue = nullptr;
        Label* SalvageYear = nullptr;
        Label* SalvageCost = nullptr;
        Label* SalvageInflated = nullptr;
        Label* SalvageValue = nullptr;
        Label* TotalCost = nullptr;
        Label* TotalInflated = nullptr;
        Label* TotalValue = nullptr;
    };
    // Option 0 is option One, 1 option Two.
    Option& Opt(int option) { return options_[static_cast<size_t>(option)]; }

    Label* LblConstructionType;
    Label* HeadingTwo;
    Button* CmdClearFields;
    Button* CmdPlotGraph;
    Button* CmdPrintForm;
    Button* CmdClose;

    void Form_Activate() override;
    void Form_Deactivate() override;
    void CmdClearFields_Click();
    void CmdPlotGraph_Click();
    void CmdPrintForm_Click();
    void CmdClose_Click();

    const CustomWindowTraits& traits() const { return traits_; }

    ~CustomScheduleWindow() override;

  protected:
    CustomScheduleWindow(MDIMain& main, CustomWindowTraits traits);
    // The title-bar close is "Close".
    void closeEvent(QCloseEvent* e) override;

    MDIMain& main_;

  private:
    void build();
    Label* label(const QString& name, const QString& text, int left, int top, int width, int height,
                 bool bold, const QColor& color, double points);

    void LoadSchedule();
    void SaveSchedule();
    void ClearSchedule();
    void ComputeRow(int option, int index);
    void showOption(int option, const LoadedOption& loaded);

    // Entry handlers.
    void yearLeft(int option, int index);
    void depthChanged(int option, int index);
    void depthLeft(int option, int index);
    void activityClicked(int option, int index);
    // The unit that the row's current entry takes when picked.
    DepthUnit pickedUnit(int option, int index);
    void activityLeft(int option, int index);
    // The leave handling of the control that has the focus, before a save.
    void commitFocusedEntry();

    ConstructionInputs constructionInputs(int option);
    QVariant recordField(const QString& field);
    // Shows or hides option `option`'s column.
    void setColumnShown(int option, const std::array<DepthUnit, kCustomRows>& units, bool shown);
    PricingContext pricingContext();
    double period();
    // A failure that ends an operation: said, and no save until the next successful load.
    void reportFailure(const QString& what, const std::exception& e);

    CustomWindowTraits traits_;
    std::array<Option, 2> options_;
    std::array<std::array<bool, kCustomRows>, 2> edited_{};
    bool applying_ = false;
    bool canSave_ = false;
    int loadedGeneration_ = -1;
    bool shownBefore_ = false;
};

}  // namespace orv
