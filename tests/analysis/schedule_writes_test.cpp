// What the program itself writes into the working project, driven through the real windows,
// stays within what Open and a Save's read-back accept: a custom window stores a year or a
// depth only as its row's check accepts it, whether the box is shown or hidden.
#include <gtest/gtest.h>

#include "analysis/concrete/fm_custom_acpc.h"
#include "analysis/concrete/fm_default_acpc.h"
#include "analysis/concrete_fixture.h"
#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "common/number_bounds.h"
#include "store/project_store.h"
#include "store/schema.h"
#include "store/stored_bounds.h"

using namespace orv;
using namespace orv::test;

namespace {

class ScheduleWritesTest : public CustomWindowTest {
  protected:
    // Every field of the working project that the stored-bounds check refuses.
    QStringList outOfBounds() {
        QStringList out;
        for (const schema::TableDef& t : schema::ProjectTables()) {
            Recordset r(main().dbVORN, t.name);
            r.MoveFirst();
            for (const schema::Column& c : t.columns) {
                const std::optional<double> bound = StoredBound(t.name, c.name);
                const QVariant v = r.Field(c.name);
                if (bound && !bounds::Within(StoredNumber(v), *bound))
                    out << t.name + "." + c.name + "=" + v.toString();
            }
        }
        return out;
    }
    void saveAs(const QString& file) {
        backend().fileNames.push_back(file);
        menu("MenuFileSaveAs");
    }
    QStringList saveErrors() {
        QStringList out;
        for (const auto& m : backend().messages)
            if (m.title == "Save File Error") out << m.text;
        return out;
    }
    // Texts no check lets through as they stand, and some it does, for every year and depth
    // box of both options, shown or hidden; the program writes them, as a load would.
    void writeOddTexts(CustomScheduleWindow& w) {
        static const QStringList kOdd = {"1e3",  "-1e3", "1e400", "99",  "abc", "12abc",
                                         "1e12", "-5",   "150",   "7.6", "12",  ""};
        for (int o = 0; o < 2; ++o) {
            for (int i = 0; i < kCustomRows; ++i) {
                w.Opt(o).Year[i]->SetText(kOdd.at((i + o) % kOdd.size()));
                w.Opt(o).Depth[i]->SetText(kOdd.at((i + o + 5) % kOdd.size()));
            }
        }
    }
};

TEST_F(ScheduleWritesTest, AHiddenYearTheRowRefusesIsNotStoredAndTheProjectSaves) {
    // A new project compared with the user's surface: no design, so the schedule rows of
    // both options are hidden.
    const int user = entry().CbxSurfaceTwo->Entries().indexOf("Undefined");
    ASSERT_GE(user, 0);
    pick(entry().CbxSurfaceTwo, user);
    calculate();
    FmCustomACAC& w = main().fmCustomACAC();
    ASSERT_TRUE(w.Visible());
    TextBox* year = w.Opt(0).Year[2];
    ASSERT_EQ(year->objectName(), "TbxOptOneYear_2");
    ASSERT_TRUE(year->isHidden());

    // A year the row accepts is stored from the hidden box; one it refuses is not.
    year->SetText("12");
    UserActivates(&main());
    EXPECT_EQ(stored(w).Number("OptOneTwoYear"), 12);
    calculate();
    year->SetText("1e3");
    UserActivates(&main());
    calculate();
    EXPECT_EQ(stored(w).Number("OptOneTwoYear"), 12);
    EXPECT_EQ(year->Text(), "12");

    const QString file = path("saved.mdb");
    saveAs(file);
    EXPECT_EQ(saveErrors(), QStringList());
    EXPECT_EQ(CheckProjectFile(file), std::nullopt);
    Database saved = Database::Open(file, Database::Mode::ReadOnly);
    EXPECT_EQ(Recordset(saved, "CustomACAC").Number("OptOneTwoYear"), 12);
    EXPECT_EQ(Recordset(saved, "CustomACAC").Text("OptOneTwo"), "Fog Seal");
}

// Data entry with texts left in its boxes, Calculate on every comparison, both concrete
// windows, odd texts in every schedule box and Clear Entries: afterwards every table of the
// working project passes the bounds Open applies, and Save As writes a whole file.
TEST_F(ScheduleWritesTest, NothingTheProgramWritesIsRefusedByTheStoredBounds) {
    enterProject("Aggregate");
    setField("SurfaceOptionTwoLabel", "Gravel Seal");
    entry().ResetEntries();
    // Texts the data entry checks refuse, never left.
    entry().TbxLength->SetText("1e300");
    entry().TbxSurfaceDepthTwo->SetText("1e40");
    entry().TbxInflationRate->SetText("-1e3");

    struct Comparison {
        const char* surface;
        int custom;
    };
    const Comparison comparisons[] = {{"Aggregate", 0},          {"Aggregate", 1},
                                      {"Hot Mix Asphalt #2", 0}, {"Hot Mix Asphalt #2", 1},
                                      {"Gravel Seal", 1},        {"Aggregate", 1}};
    std::vector<CustomScheduleWindow*> windows = {&main().fmCustomACAG(), &main().fmCustomACAC()};
    for (const Comparison& c : comparisons) {
        SCOPED_TRACE(testing::Message() << c.surface << " " << c.custom);
        UserActivates(&main());
        pick(entry().CbxSurfaceTwo, entry().CbxSurfaceTwo->Entries().indexOf(c.surface));
        entry().ChkCustomMaintenance->SetValue(c.custom);
        calculate();
        for (CustomScheduleWindow* w : windows) {
            if (!w->Visible()) continue;
            writeOddTexts(*w);
            UserActivates(&main());
            EXPECT_EQ(outOfBounds(), QStringList());
        }
    }
    main().fmDefaultACPC().Show();
    Settle();
    FmCustomACPC& concrete = main().fmCustomACPC();
    concrete.Show();
    Settle();
    writeOddTexts(concrete);
    UserActivates(&main());
    windows.push_back(&concrete);
    for (CustomScheduleWindow* w : windows) {
        UserActivates(w);
        writeOddTexts(*w);
        w->CmdClearFields->click();
        writeOddTexts(*w);
        w->CmdClose->click();
        Settle();
    }
    EXPECT_EQ(outOfBounds(), QStringList());
    EXPECT_EQ(CheckProjectFile(main().workFile()), std::nullopt);

    saveAs(path("whole.mdb"));
    EXPECT_EQ(saveErrors(), QStringList());
    EXPECT_EQ(CheckProjectFile(path("whole.mdb")), std::nullopt);
}

// The concrete window checks a percentage the program writes only when its box is left:
// until then the stored depth stays.
class ConcreteWritesTest : public ConcreteTest {};

TEST_F(ConcreteWritesTest, ADepthTheRowRefusesKeepsTheStoredDepth) {
    FmCustomACPC& w = main().fmCustomACPC();
    w.Show();
    Settle();
    layRow(w, 1, 0, 0, "5", "50");  // Joint/Crack Seal, 50 %
    TextBox* depth = w.Opt(1).Depth[0];
    UserActivates(&main());
    ASSERT_EQ(stored(w).Number("OptTwoZeroDepth"), 50);
    w.Show();
    Settle();
    struct Case {
        const char* text;
        double stored;
    };
    for (const Case& c : {Case{"150", 50}, Case{"12.6", 50}, Case{"13", 13}, Case{"0", 0}}) {
        SCOPED_TRACE(c.text);
        focus(w.Opt(1).Activity[1]);
        depth->SetText(c.text);
        EXPECT_EQ(depth->Text(), c.text);
        UserActivates(&main());
        EXPECT_EQ(stored(w).Number("OptTwoZeroDepth"), c.stored);
        w.Show();
        Settle();
    }
}

}  // namespace
