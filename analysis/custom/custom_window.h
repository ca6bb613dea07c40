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

// A control's box in twips.
struct TwipsBox {
    int left = 0, top = 0, width = 0, height = 0;
};

// Where a window's controls stand, in twips; the defaults are the asphalt windows'.
struct CustomWindowLayout {
    // "YEAR", "CONSTRUCTION  COST", "FUTURE VALUE", "PRESENT WORTH".
    std::array<TwipsBox, 4> columnHeads = {{{3495, 165, 510, 255},
                                            {5010, 165, 2295, 255},
                                            {7455, 165, 1605, 255},
                                            {9120, 165, 1905, 255}}};
    bool valueHeadsRight = false;  // "FUTURE VALUE" and "PRESENT WORTH" right-aligned
    TwipsBox headingOne = {375, 525, 765, 600};
    TwipsBox headingTwo = {180, 4230, 975, 315};
    bool headingTwoCentred = false;
    // Activity lists and row captions share a left edge.
    int listLeft = 1275;
    std::array<int, 2> listHeight = {300, 300};
    int boxHeight = 285;
    // Caption widths: each option's construction row, then the salvage and total rows.
    std::array<int, 2> constructionTagWidth = {2040, 2040};
    int tagWidth = 2040;
    int unitsLeft = 4750;
    std::array<int, 2> salvageYearLeft = {3495, 3495};
    int salvageYearWidth = 444;
    // Tops of an option's rows: the single rows' labels, and the schedule rows' boxes (their
    // labels stand 30 lower).
    struct Block {
        int construction;
        std::array<int, kCustomRows> rows;
        int salvage, total;
    };
    std::array<Block, 2> blocks = {
        {{525, {780, 1080, 1392, 1692, 1992, 2304, 2604, 2904, 3216}, 3560, 3840},
         {4260, {4485, 4785, 5100, 5400, 5700, 6000, 6300, 6615, 6915}, 7280, 7590}}};
    // The separating lines, grey and white, from lineLeft to lineRight.
    int lineLeft = 1380, lineRight = 10900, greyLineTop = 4125, whiteLineTop = 4140;
    // "Clear Entries", "Plot Graph", "Print Form", "Close", top to bottom; a caption too wide
    // for its button wraps. Points 0: the window's font.
    int buttonLeft = 255, buttonWidth = 732;
    std::array<int, 4> buttonTops = {5235, 5805, 6390, 6960};
    std::array<int, 4> buttonHeights = {405, 405, 405, 405};
    double buttonPoints = 0;
};

struct CustomWindowTraits {
    QString name;
    QString caption;
    // The heading of option Two: its name and its design caption.
    QString headingTwoName;
    QString headingTwoText;
    CustomWindowLayout layout;
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
    // The results table's recordset.
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
    // A pick empties the caption of the units label it hides; otherwise the caption stays
    // until the label is next shown.
    bool pickEmptiesUnits = true;
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
    // Whether option `option`'s column is shown with `design`.
    bool optionShown(int option, const ConstructionInputs& design) const;
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
