// The seven tables and the rows of a new project.
#include "store/schema.h"

#include <gtest/gtest.h>

#include <QSet>

#include "common/format.h"
#include "platform/database.h"
#include "store/project_store.h"
#include "support/temp_folder.h"

namespace orv {
namespace {

using schema::Kind;
using schema::TableDef;

int CountKind(const TableDef& t, Kind kind) {
    int n = 0;
    for (const schema::Column& c : t.columns) n += c.kind == kind;
    return n;
}

TEST(SchemaTest, TablesHaveTheirColumnCountsKindsAndRows) {
    struct Shape {
        QString table;
        int columns;
        int texts;
    };
    const std::vector<Shape> shapes = {
        {"VORN", 70, 16},        {"DefaultACAG", 64, 0},  {"DefaultACAC", 92, 0},
        {"DefaultACPC", 92, 0},  {"CustomACAG", 144, 18}, {"CustomACAC", 144, 18},
        {"CustomACPC", 144, 18},
    };
    ASSERT_EQ(schema::ProjectTables().size(), shapes.size());
    for (size_t i = 0; i < shapes.size(); ++i) {
        const TableDef& t = schema::ProjectTables()[i];
        SCOPED_TRACE(t.name.toStdString());
        EXPECT_EQ(t.name, shapes[i].table);  // the order a new project writes them
        EXPECT_EQ(int(t.columns.size()), shapes[i].columns);
        EXPECT_EQ(t.newProjectRow.size(), qsizetype(t.columns.size()));
        EXPECT_EQ(CountKind(t, Kind::Text), shapes[i].texts);
        QSet<QString> names;
        for (const schema::Column& c : t.columns) names.insert(c.name.toLower());
        EXPECT_EQ(names.size(), qsizetype(t.columns.size())) << "duplicate column name";
    }
}

// The names that the windows read and write, built by their naming rules.
TEST(SchemaTest, CustomTablesCarryTheNamedColumnsInSaveOrder) {
    const QStringList words = {"Zero", "One", "Two",   "Three", "Four",
                               "Five", "Six", "Seven", "Eight"};
    QStringList named;
    for (const QString opt : {"OptOne", "OptTwo"}) {
        named << opt + "ConstCost" << opt + "ConstInflated" << opt + "ConstValue";
        for (const QString& w : words) {
            for (const QString kind : {"", "Year", "Depth", "Cost", "Inflated", "Value"}) {
                named << opt + w + kind;
            }
        }
        for (const QString item : {"Salvage", "Total"}) {
            named << opt + item + "Cost" << opt + item + "Inflated" << opt + item + "Value";
        }
    }
    ASSERT_EQ(named.size(), 126);
    for (const QString table : {"CustomACAG", "CustomACAC", "CustomACPC"}) {
        QStringList order = schema::Table(table).ColumnNames();
        order.removeIf([](const QString& n) { return n.endsWith("Spare"); });
        EXPECT_EQ(order, named) << table.toStdString();
    }
}

TEST(SchemaTest, DefaultTablesCarryTheNamesTheirWindowsWrite) {
    const TableDef& acag = schema::Table("DefaultACAG");
    for (const QString n :
         {"OptOneConstPresentValue", "OptOneSlurryFiveInflated", "OptOneSalvageValue",
          "OptTwoBladeGravelInterval", "OptTwoBladeCostPresent", "OptTwoBladeGravelCostInflated",
          "OptTwoSalvageYear", "OptTwoTotalValue"}) {
        EXPECT_NE(acag.Find(n), nullptr) << n.toStdString();
    }
    EXPECT_EQ(acag.Find("OptTwoFogSealYear"), nullptr);
    EXPECT_NE(schema::Table("DefaultACAC").Find("OptTwoRotomillValue"), nullptr);
    const TableDef& acpc = schema::Table("DefaultACPC");
    for (const QString n : {"OptTwoJointSixValue", "OptTwoGrindingTwoYear",
                            "OptTwoDemolitionInflated", "OptOneOverlayCost"}) {
        EXPECT_NE(acpc.Find(n), nullptr) << n.toStdString();
    }
}

class NewProjectTest : public test::TempFolderTest {
  protected:
    void SetUp() override {
        db_ = Database::Create(path("p.mdb"));
        schema::CreateProjectTables(db_);
        ResetProjectTables(db_);
    }
    Database db_;
};

TEST_F(NewProjectTest, ProjectRecordHoldsTheNewProjectValues) {
    Recordset vorn(db_, "VORN");
    EXPECT_EQ(vorn.Text("ProjectName"), "New Project");
    EXPECT_EQ(vorn.Text("AnalysisText"), "30");
    EXPECT_EQ(vorn.Number("AnalysisPeriod"), 1);
    EXPECT_EQ(vorn.Text("SurfaceTwo"), "Aggregate");
    EXPECT_EQ(vorn.Text("SurfaceOne"), "Hot Mix Asphalt");
    EXPECT_EQ(vorn.Text("SurfaceOptionTwoLabel"), "Undefined");
    EXPECT_EQ(vorn.Text("ConstOptionOneLabel"), "HMA Other");
    EXPECT_EQ(vorn.Text("MaintOptionThreeLabel"), "Other Type Three");
    // One blank, not an empty text.
    EXPECT_EQ(vorn.Text("From"), " ");
    EXPECT_EQ(vorn.Text("To"), " ");
    EXPECT_EQ(vorn.Text("Maintenance"), " ");
    // Equal to the salvage list entry "0", as text.
    EXPECT_EQ(vorn.Field("SalvageOne"), QVariant(QString("0")));
    EXPECT_EQ(vorn.Field("SalvageTwo"), QVariant(QString("0")));
    EXPECT_EQ(FormatByPattern(vorn.Text("ProjectDate"), "mmm"), "Jan");
    EXPECT_EQ(FormatByPattern(vorn.Text("ProjectDate"), "yyyy"), "2001");
    EXPECT_EQ(vorn.Number("AsphaltCementCost"), 0.8);
    EXPECT_EQ(vorn.Number("BladeCost"), 4.44);
    EXPECT_EQ(vorn.Number("MaintOptionThreeCost"), 0.5);
    for (const QString spare :
         {"PortlandCementCost", "ConstructionOptionOne", "ConstructionOptionTwo",
          "ConstructionOptionCost", "JointCrackSealCost", "GrindingCost"}) {
        EXPECT_EQ(vorn.Number(spare), 0) << spare.toStdString();
    }
    for (const QString zero :
         {"Length", "Width", "Area", "SurfaceDepthOne", "ConstOptionTwo", "InflationRate",
          "InterestRate", "LowMaintenance", "CustomMaintenance"}) {
        EXPECT_EQ(vorn.Field(zero), QVariant(0.0)) << zero.toStdString();
    }
    // Read only by the concrete comparison, and no column.
    EXPECT_THROW(vorn.Field("SlabReplacementCost"), DbError);
}

TEST_F(NewProjectTest, DefaultResultsAreAllZero) {
    for (const QString table : {"DefaultACAG", "DefaultACAC", "DefaultACPC"}) {
        Recordset rs(db_, table);
        EXPECT_EQ(db_.RowCount(table), 1);
        for (const QString& f : rs.FieldNames()) {
            EXPECT_EQ(rs.Number(f), 0) << table.toStdString() << "." << f.toStdString();
        }
    }
}

// Every schedule row holds its activity; its 100 lands in the spare column, never in a
// year, depth or amount.
TEST_F(NewProjectTest, CustomScheduleRowsHoldActivityAndTheirHundredInTheSpare) {
    struct Case {
        QString table;
        QString one;
        QString two;
    };
    const std::vector<Case> cases = {{"CustomACAG", "Fog Seal", "Blade"},
                                     {"CustomACAC", "Fog Seal", "Fog Seal"},
                                     {"CustomACPC", "Fog Seal", "Joint/Crack Seal"}};
    const QStringList words = {"Zero", "One", "Two",   "Three", "Four",
                               "Five", "Six", "Seven", "Eight"};
    for (const Case& c : cases) {
        Recordset rs(db_, c.table);
        for (const auto& [opt, activity] :
             {std::pair{QString("OptOne"), c.one}, std::pair{QString("OptTwo"), c.two}}) {
            for (const QString& w : words) {
                const QString row = opt + w;
                SCOPED_TRACE((c.table + "." + row).toStdString());
                EXPECT_EQ(rs.Text(row), activity);
                EXPECT_EQ(rs.Number(row + "Spare"), 100);
                for (const QString kind : {"Year", "Depth", "Cost", "Inflated", "Value"}) {
                    EXPECT_EQ(rs.Number(row + kind), 0) << kind.toStdString();
                }
            }
            for (const QString n : {"ConstCost", "SalvageValue", "TotalInflated"}) {
                EXPECT_EQ(rs.Number(opt + n), 0);
            }
        }
    }
}

TEST_F(NewProjectTest, ResetReplacesEditedRowsAndKeepsOneRowEach) {
    Recordset vorn(db_, "VORN");
    vorn.Edit();
    vorn.SetField("ProjectName", "Main St");
    vorn.Update();
    db_.InsertRow("DefaultACAG", schema::Table("DefaultACAG").newProjectRow);
    ResetProjectTables(db_);
    vorn.MoveFirst();
    EXPECT_EQ(vorn.Text("ProjectName"), "New Project");
    for (const TableDef& t : schema::ProjectTables()) EXPECT_EQ(db_.RowCount(t.name), 1);
}

// A project record with a column too many or too few makes the new-project INSERT fail;
// the reset is one transaction, so no table is left half replaced.
TEST_F(NewProjectTest, ResetFailsOnAProjectRecordOfAnotherWidthAndChangesNothing) {
    for (int width : {69, 71}) {
        SCOPED_TRACE(width);
        Database db = Database::Create(path(QString("w%1.mdb").arg(width)));
        schema::CreateProjectTables(db);
        db.Execute("DROP TABLE VORN");
        std::vector<ColumnInfo> cols = schema::Table("VORN").ColumnInfos();
        if (width == 69)
            cols.pop_back();
        else
            cols.push_back({"Extra", "DOUBLE"});
        db.CreateTable("VORN", cols);
        db.InsertRow("CustomACPC", schema::Table("CustomACPC").newProjectRow);
        EXPECT_THROW(ResetProjectTables(db), DbError);
        EXPECT_EQ(db.RowCount("VORN"), 0);
        EXPECT_EQ(db.RowCount("DefaultACAG"), 0);
        EXPECT_EQ(db.RowCount("CustomACPC"), 1);
    }
}

#ifdef ORVALEN_TEMPLATE_FILE
TEST(TemplateTest, BuiltTemplateHasTheTablesInColumnOrder) {
    const QString file = QStringLiteral(ORVALEN_TEMPLATE_FILE);
    EXPECT_EQ(CheckProjectFile(file), std::nullopt);
    Database db = Database::Open(file, Database::Mode::ReadOnly);
    for (const TableDef& t : schema::ProjectTables()) {
        EXPECT_EQ(db.ColumnNames(t.name), t.ColumnNames()) << t.name.toStdString();
    }
}
#endif

}  // namespace
}  // namespace orv
