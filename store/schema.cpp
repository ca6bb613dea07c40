#include "store/schema.h"

#include <QFile>

namespace orv::schema {

namespace {

constexpr Kind T = Kind::Text;
constexpr Kind N = Kind::Number;

// A value of the new-project row: whole zeros stay whole so that a text column receiving
// one holds "0".
QVariant Whole(int v) { return QVariant(v); }
QVariant Dec(double v) { return QVariant(v); }
QVariant Str(const char* s) { return QVariant(QString::fromUtf8(s)); }

struct Cell {
    QString name;
    Kind kind;
    QVariant value;
};

TableDef Build(const QString& name, const std::vector<Cell>& cells) {
    TableDef t;
    t.name = name;
    for (const Cell& c : cells) {
        t.columns.push_back({c.name, c.kind});
        t.newProjectRow << c.value;
    }
    return t;
}

// The project record, 70 columns. Positions 33 to 64 hold the 26 unit costs in the order
// of the unit cost window and the six spare numeric columns, which take the six zeros of
// the new-project row (see SCHEMA.md):
//
//   pos value column                 pos value column
//   33  0.8   AsphaltCementCost      49  0.72  SlurrySealCost
//   34  2.00  AsphaltCementCost2     50  5.00  SealCoatCost
//   35  2.50  AggregateCost          51  0.71  CrackSealCost
//   36  0     PortlandCementCost     52  2.00  PatchingCost
//   37  2.25  SurfaceOptionTwoCost   53  1.20  InfaredCost
//   38  0.90  AggBaseCourseCost      54  0.5   OverlayCost
//   39  0.50  StablizedSubgradeCost  55  0.75  RotomillCost
//   40  0.90  SubgradePrepCost       56  4.44  BladeCost
//   41  0.50  PavementFabricCost     57  2.00  BladeGravelCost
//   42  0     ConstructionOptionOne  58  5.00  DustControlCost
//   43  0     ConstructionOptionTwo  59  2.85  MaintOptionOneCost
//   44  2.60  DemolitionCost         60  1.50  MaintOptionTwoCost
//   45  0.20  ConstOptionOneCost     61  0.50  MaintOptionThreeCost
//   46  0.9   ConstOptionTwoCost     62  0     ConstructionOptionCost
//   47  0.25  FogSealCost            63  0     JointCrackSealCost
//   48  1.00  ChipSealCost           64  0     GrindingCost
TableDef BuildVorn() {
    return Build(kVorn, {
                            {"ProjectName", T, Str("New Project")},
                            {"From", T, Str(" ")},
                            {"To", T, Str(" ")},
                            {"ProjectDate", T, Str("01/01/2001")},
                            {"AnalysisPeriod", N, Whole(1)},
                            {"AnalysisText", T, Str("30")},
                            {"Length", N, Whole(0)},
                            {"Width", N, Whole(0)},
                            {"Area", N, Whole(0)},
                            {"SurfaceOne", T, Str("Hot Mix Asphalt")},
                            {"SurfaceDepthOne", N, Whole(0)},
                            {"BaseCourseOne", N, Whole(0)},
                            {"SubgradeOne", N, Whole(0)},
                            {"SubgradePrepOne", N, Whole(0)},
                            {"PavementFabricOne", N, Whole(0)},
                            {"ConstOptionOne", N, Whole(0)},
                            {"SalvageOne", T, Whole(0)},
                            {"SurfaceTwo", T, Str("Aggregate")},
                            {"SurfaceDepthTwo", N, Whole(0)},
                            {"BaseCourseTwo", N, Whole(0)},
                            {"SubgradeTwo", N, Whole(0)},
                            {"SubgradePrepTwo", N, Whole(0)},
                            {"PavementFabricTwo", N, Whole(0)},
                            {"ConstOptionTwo", N, Whole(0)},
                            {"SalvageTwo", T, Whole(0)},
                            {"LowMaintenance", N, Whole(0)},
                            {"ModMaintenance", N, Whole(0)},
                            {"HighMaintenance", N, Whole(0)},
                            {"CustomMaintenance", N, Whole(0)},
                            {"Maintenance", T, Str(" ")},
                            {"InflationRate", N, Whole(0)},
                            {"InterestRate", N, Whole(0)},
                            {"AsphaltCementCost", N, Dec(0.8)},
                            {"AsphaltCementCost2", N, Dec(2.00)},
                            {"AggregateCost", N, Dec(2.50)},
                            {"PortlandCementCost", N, Dec(0.00)},
                            {"SurfaceOptionTwoCost", N, Dec(2.25)},
                            {"AggBaseCourseCost", N, Dec(0.90)},
                            {"StablizedSubgradeCost", N, Dec(0.50)},
                            {"SubgradePrepCost", N, Dec(0.90)},
                            {"PavementFabricCost", N, Dec(0.50)},
                            {"ConstructionOptionOne", N, Dec(0.0)},
                            {"ConstructionOptionTwo", N, Dec(0.0)},
                            {"DemolitionCost", N, Dec(2.60)},
                            {"ConstOptionOneCost", N, Dec(0.20)},
                            {"ConstOptionTwoCost", N, Dec(0.9)},
                            {"FogSealCost", N, Dec(0.25)},
                            {"ChipSealCost", N, Dec(1.00)},
                            {"SlurrySealCost", N, Dec(0.72)},
                            {"SealCoatCost", N, Dec(5.00)},
                            {"CrackSealCost", N, Dec(0.71)},
                            {"PatchingCost", N, Dec(2.00)},
                            {"InfaredCost", N, Dec(1.20)},
                            {"OverlayCost", N, Dec(0.5)},
                            {"RotomillCost", N, Dec(0.75)},
                            {"BladeCost", N, Dec(4.44)},
                            {"BladeGravelCost", N, Dec(2.00)},
                            {"DustControlCost", N, Dec(5.00)},
                            {"MaintOptionOneCost", N, Dec(2.85)},
                            {"MaintOptionTwoCost", N, Dec(1.50)},
                            {"MaintOptionThreeCost", N, Dec(0.50)},
                            {"ConstructionOptionCost", N, Whole(0)},
                            {"JointCrackSealCost", N, Whole(0)},
                            {"GrindingCost", N, Whole(0)},
                            {"ConstOptionOneLabel", T, Str("HMA Other")},
                            {"ConstOptionTwoLabel", T, Str("Comparison Other")},
                            {"MaintOptionOneLabel", T, Str("Other Type One")},
                            {"MaintOptionTwoLabel", T, Str("Other Type Two")},
                            {"MaintOptionThreeLabel", T, Str("Other Type Three")},
                            {"SurfaceOptionTwoLabel", T, Str("Undefined")},
                        });
}

// Numeric result columns, all 0 in a new project.
void AddNumbers(std::vector<Cell>& cells, const QString& prefix, const QStringList& names) {
    for (const QString& n : names) cells.push_back({prefix + n, N, Whole(0)});
}

// The ten rows of a default schedule: year, today's cost, future cost, present worth.
void AddDefaultRows(std::vector<Cell>& cells, const QString& prefix, const QStringList& rows) {
    for (const QString& r : rows) {
        AddNumbers(cells, prefix + r, {"Year", "Cost", "Inflated", "Value"});
    }
}

const QStringList kAsphaltRows = {"FogSeal",     "SlurryOne",  "SlurryTwo", "Overlay",
                                  "SlurryThree", "SlurryFour", "Rotomill",  "SlurryFive",
                                  "Demolition",  "Salvage"};
const QStringList kConcreteRows = {"JointOne",   "JointTwo",    "GrindingOne", "JointThree",
                                   "JointFour",  "GrindingTwo", "JointFive",   "JointSix",
                                   "Demolition", "Salvage"};
const QStringList kDefaultConst = {"ConstCost", "ConstInflatedCost", "ConstPresentValue"};
const QStringList kTotals = {"TotalCost", "TotalInflated", "TotalValue"};

std::vector<Cell> DefaultAsphaltOption(const QString& prefix) {
    std::vector<Cell> cells;
    AddNumbers(cells, prefix, kDefaultConst);
    AddDefaultRows(cells, prefix, kAsphaltRows);
    AddNumbers(cells, prefix, kTotals);
    return cells;
}

TableDef BuildDefaultACAG() {
    std::vector<Cell> cells = DefaultAsphaltOption("OptOne");
    AddNumbers(cells, "OptTwo", kDefaultConst);
    AddNumbers(
        cells, "OptTwo",
        {"BladeInterval", "BladeGravelInterval", "BladeCost", "BladeCostInflated",
         "BladeCostPresent", "BladeGravelCost", "BladeGravelCostInflated", "BladeGravelCostPresent",
         "SalvageYear", "SalvageCost", "SalvageInflated", "SalvageValue"});
    AddNumbers(cells, "OptTwo", kTotals);
    return Build(kDefaultACAG, cells);
}

TableDef BuildDefaultACAC() {
    std::vector<Cell> cells = DefaultAsphaltOption("OptOne");
    for (Cell& c : DefaultAsphaltOption("OptTwo")) cells.push_back(c);
    return Build(kDefaultACAC, cells);
}

TableDef BuildDefaultACPC() {
    std::vector<Cell> cells = DefaultAsphaltOption("OptOne");
    AddNumbers(cells, "OptTwo", kDefaultConst);
    AddDefaultRows(cells, "OptTwo", kConcreteRows);
    AddNumbers(cells, "OptTwo", kTotals);
    return Build(kDefaultACPC, cells);
}

// One option of a custom schedule table, 72 columns: construction; nine schedule rows of
// an activity and six numbers; salvage and totals. The six numbers of a row are its year,
// depth, cost, future cost, present worth and a spare column that nothing reads; the
// spare stands where the new-project row puts its 100 (`sparePlace`, 1-based among the six),
// so that a new project shows 100 in no year, depth or amount.
std::vector<Cell> CustomOption(const QString& prefix, const char* activity, int sparePlace) {
    static const QStringList words = {"Zero", "One", "Two",   "Three", "Four",
                                      "Five", "Six", "Seven", "Eight"};
    std::vector<Cell> cells;
    AddNumbers(cells, prefix, {"ConstCost", "ConstInflated", "ConstValue"});
    for (const QString& w : words) {
        cells.push_back({prefix + w, T, Str(activity)});
        QStringList numbers = {"Year", "Depth", "Cost", "Inflated", "Value"};
        numbers.insert(sparePlace - 1, "Spare");
        for (const QString& n : numbers) {
            cells.push_back({prefix + w + n, N, Whole(n == "Spare" ? 100 : 0)});
        }
    }
    AddNumbers(cells, prefix,
               {"SalvageCost", "SalvageInflated", "SalvageValue", "TotalCost", "TotalInflated",
                "TotalValue"});
    return cells;
}

TableDef BuildCustom(const QString& name, const char* twoActivity, int twoSparePlace) {
    std::vector<Cell> cells = CustomOption("OptOne", "Fog Seal", 3);
    for (Cell& c : CustomOption("OptTwo", twoActivity, twoSparePlace)) cells.push_back(c);
    return Build(name, cells);
}

}  // namespace

QStringList TableDef::ColumnNames() const {
    QStringList names;
    for (const Column& c : columns) names << c.name;
    return names;
}

std::vector<ColumnInfo> TableDef::ColumnInfos() const {
    std::vector<ColumnInfo> infos;
    for (const Column& c : columns) infos.push_back({c.name, SqlType(c.kind)});
    return infos;
}

const Column* TableDef::Find(const QString& column) const {
    for (const Column& c : columns) {
        if (c.name.compare(column, Qt::CaseInsensitive) == 0) return &c;
    }
    return nullptr;
}

QString SqlType(Kind kind) {
    return kind == Kind::Text ? QStringLiteral("TEXT") : QStringLiteral("DOUBLE");
}

const std::vector<TableDef>& ProjectTables() {
    static const std::vector<TableDef> tables = {
        BuildVorn(),
        BuildDefaultACAG(),
        BuildDefaultACAC(),
        BuildDefaultACPC(),
        BuildCustom(kCustomACAG, "Blade", 2),
        BuildCustom(kCustomACAC, "Fog Seal", 3),
        BuildCustom(kCustomACPC, "Joint/Crack Seal", 2),
    };
    return tables;
}

const TableDef& Table(const QString& name) {
    for (const TableDef& t : ProjectTables()) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0) return t;
    }
    throw DbError(QStringLiteral("%1 is no table of a project").arg(name));
}

void CreateProjectTables(Database& db) {
    for (const TableDef& t : ProjectTables()) db.CreateTable(t.name, t.ColumnInfos());
}

void WriteTemplate(const QString& path) {
    Database db = Database::Create(path);
    try {
        Transaction tx(db);
        CreateProjectTables(db);
        for (const TableDef& t : ProjectTables()) db.InsertRow(t.name, t.newProjectRow);
        tx.Commit();
        db.Close();
    } catch (...) {
        db.Close();
        QFile::remove(path);
        throw;
    }
}

}  // namespace orv::schema
