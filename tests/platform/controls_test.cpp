// Control semantics: focus, select-all, length limits, check boxes and combo boxes.
#include "platform/controls.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "platform/form.h"
#include "support/app_fixture.h"

using namespace orv;
using orv::test::Settle;
using orv::test::UserActivates;

namespace {

class Window : public Form {
  public:
    explicit Window(const QString& name) : Form(name) {
        resize(400, 300);
        a = new TextBox(this, "TbxA", 100, 100, 1500, 300);
        b = new TextBox(this, "TbxB", 100, 600, 1500, 300);
        list = new ComboBox(this, "CbxList", 100, 1100, 1500, 300);
        check = new CheckBox(this, "ChkBox", "Box", 100, 1600, 1500, 300);
        a->LostFocus = [this] { lost << "TbxA"; };
        b->LostFocus = [this] { lost << "TbxB"; };
        list->LostFocus = [this] { lost << "CbxList"; };
    }
    TextBox* a;
    TextBox* b;
    ComboBox* list;
    CheckBox* check;
    QStringList lost;
};

class ControlsTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (auto* w : QApplication::topLevelWidgets()) w->hide();
        Settle();
    }
};

TEST_F(ControlsTest, LostFocusRunsOnlyForAMoveWithinTheWindow) {
    Window w("W"), other("Other");
    w.Show();
    Settle();
    w.a->setFocus(Qt::TabFocusReason);
    Settle();

    // A switch to another window and back: nothing.
    other.Show();
    other.a->setFocus();
    Settle();
    UserActivates(&w);
    EXPECT_TRUE(w.lost.isEmpty());

    // A message box over the window: nothing.
    QMessageBox box(QMessageBox::Warning, "T", "x", QMessageBox::Ok, &w);
    box.show();
    UserActivates(&box);
    box.hide();
    UserActivates(&w);
    EXPECT_TRUE(w.lost.isEmpty());

    // The list's popup: nothing for the list when it opens and closes.
    w.list->AddItem("One");
    w.list->setFocus();
    Settle();
    EXPECT_EQ(w.lost, QStringList{"TbxA"});
    w.list->showPopup();
    Settle();
    w.list->hidePopup();
    Settle();
    EXPECT_EQ(w.lost, QStringList{"TbxA"});

    // The next control of the same window.
    w.b->setFocus();
    Settle();
    EXPECT_EQ(w.lost, (QStringList{"TbxA", "CbxList"}));
}

TEST_F(ControlsTest, LostFocusRunsWhenTheUserReturnsToAnotherControl) {
    Window w("W"), other("Other");
    w.Show();
    w.a->setFocus();
    Settle();
    other.Show();
    other.a->setFocus();
    Settle();
    UserActivates(&w);
    w.b->setFocus(Qt::MouseFocusReason);
    Settle();
    EXPECT_EQ(w.lost, QStringList{"TbxA"});
}

TEST_F(ControlsTest, SelectAllOnFocusSurvivesTheClickThatGaveIt) {
    Window w("W");
    w.Show();
    w.a->setFocus();
    w.b->SetText("12345");
    Settle();
    QTest::mouseClick(w.b, Qt::LeftButton, {}, QPoint(5, 5));
    Settle();
    EXPECT_TRUE(w.b->hasFocus());
    EXPECT_EQ(w.b->selectedText(), "12345");
}

TEST_F(ControlsTest, LengthLimitBindsTypingNotTheProgram) {
    Window w("W");
    w.Show();
    w.a->SetMaxLength(3);
    w.a->setFocus();
    Settle();
    QTest::keyClicks(w.a, "12345");
    EXPECT_EQ(w.a->Text(), "123");
    w.a->SetText("abcdef");
    EXPECT_EQ(w.a->Text(), "abcdef");
    w.a->end(false);
    QTest::keyClick(w.a, Qt::Key_Backspace);
    EXPECT_EQ(w.a->Text(), "abcde");
    QTest::keyClicks(w.a, "z");
    EXPECT_EQ(w.a->Text(), "abcde");
}

TEST_F(ControlsTest, TextBoxChangeRunsForTypingAndForTheProgram) {
    Window w("W");
    int changes = 0;
    w.a->Change = [&] { ++changes; };
    w.a->SetText("1");
    w.Show();
    w.a->setFocus();
    QTest::keyClicks(w.a, "2");
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, TextBoxChangeRunsNestedAndOnlyWhenTheTextDiffers) {
    Window w("W");
    QStringList log;
    // A handler that rewrites what it is given, as the depth checks do: "12.6" to "13",
    // anything with a letter to "".
    w.a->Change = [&] {
        const QString t = w.a->Text();
        log << (w.a->ProgramChange() ? "program:" : "user:") + t;
        if (t.contains('.')) w.a->SetText("13");
        if (t.contains('x')) w.a->SetText("");
        log << "end:" + t;
    };
    w.a->SetText("12.6");
    EXPECT_EQ(log, (QStringList{"program:12.6", "program:13", "end:13", "end:12.6"}));
    log.clear();
    w.a->SetText("13");  // the same text: nothing runs
    EXPECT_TRUE(log.isEmpty());
    w.Show();
    w.a->setFocus();
    QTest::keyClicks(w.a, "x");
    EXPECT_EQ(log, (QStringList{"user:13x", "program:", "end:", "end:13x"}));
    EXPECT_EQ(w.a->Text(), "");
}

TEST_F(ControlsTest, CheckBoxClickRunsOnEveryChangeAndEnterToggles) {
    Window w("W");
    int clicks = 0;
    w.check->Click = [&] { ++clicks; };
    w.check->SetValue(1);
    w.check->SetValue(1);  // no change, no click
    w.check->SetValue(0);
    EXPECT_EQ(clicks, 2);
    w.Show();
    w.check->setFocus();
    QTest::keyClick(w.check, Qt::Key_Return);
    EXPECT_EQ(w.check->Value(), 1);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ControlsTest, ComboBoxSelectionRules) {
    Window w("W");
    ComboBox* c = w.list;
    QStringList log;
    c->Click = [&] { log << "Click:" + c->Text(); };
    c->Change = [&] { log << "Change:" + c->Text(); };

    // Filling selects nothing and keeps the text.
    c->SetText("typed");
    c->AddItem("Aggregate");
    c->AddItem("Hot Mix Asphalt #2");
    EXPECT_EQ(c->ListIndex(), -1);
    EXPECT_EQ(c->Text(), "typed");
    EXPECT_TRUE(log.isEmpty());

    // Selecting by code runs Click at once, also for the entry already current.
    c->SetListIndex(1);
    EXPECT_EQ(log, QStringList{"Click:Hot Mix Asphalt #2"});
    c->SetText("Hot");
    c->SetListIndex(1);
    EXPECT_EQ(c->Text(), "Hot Mix Asphalt #2");
    EXPECT_EQ(log.size(), 2);
    // Text set by code makes the entry equal to it current, silently.
    c->SetText("Aggregate");
    EXPECT_EQ(c->ListIndex(), 0);
    EXPECT_EQ(log.size(), 2);

    // The user's typing runs Change and leaves no entry selected; Enter inserts nothing.
    w.Show();
    UserActivates(&w);
    c->setFocus();
    c->lineEdit()->selectAll();
    QTest::keyClicks(c->lineEdit(), "Aggregate");
    EXPECT_EQ(c->ListIndex(), -1);
    QTest::keyClick(c->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(c->ListCount(), 2);
    EXPECT_EQ(c->ListIndex(), -1);
    EXPECT_TRUE(log.last().startsWith("Change:"));
    EXPECT_FALSE(log.contains("Click:Aggregate"));
    EXPECT_EQ(c->completer(), nullptr);
    // Leaving the box with an entry's text selects nothing.
    ASSERT_TRUE(c->lineEdit()->hasFocus());
    w.b->setFocus();
    Settle(1);
    ASSERT_TRUE(w.b->hasFocus());
    EXPECT_EQ(c->ListIndex(), -1);
    EXPECT_FALSE(log.contains("Click:Aggregate"));

    // The user's pick from the list runs Click.
    emit c->activated(0);
    EXPECT_EQ(log.last(), "Click:Aggregate");

    c->Clear();
    EXPECT_EQ(c->Text(), "");
    EXPECT_EQ(c->ListCount(), 0);
}

TEST_F(ControlsTest, ComboBoxListOpensInTheFontSetBeforeItWasBuilt) {
    Window w("W");
    // A placed box, its font set before its list was ever built.
    ComboBox* placed = w.list;
    SetFont(placed, "Arial", 7.5, true);
    placed->AddItem("Hot Mix Asphalt #2");
    // A box sized to its entry, its size taken before its font grows.
    auto* sized = new ComboBox(&w, "CbxSized");
    sized->AddItem("Aggregate");
    const int smallHeight = sized->sizeHint().height();
    SetFont(sized, "Arial", 20);
    EXPECT_GT(sized->sizeHint().height(), smallHeight);

    w.Show();
    UserActivates(&w);
    for (ComboBox* box : {placed, sized}) {
        box->showPopup();
        Settle();
        EXPECT_EQ(box->view()->font().pointSizeF(), box->font().pointSizeF())
            << box->objectName().toStdString();
        EXPECT_EQ(box->view()->font().bold(), box->font().bold())
            << box->objectName().toStdString();
        box->hidePopup();
    }
    // Once built, the list follows a later font as well.
    SetFont(placed, "Arial", 12);
    EXPECT_EQ(placed->view()->font().pointSizeF(), 12.0);
    EXPECT_FALSE(placed->view()->font().bold());
}

TEST_F(ControlsTest, ControlArrayElementsAreNamedByIndex) {
    Window w("W");
    ControlArray<Label> labels;
    labels.create(9, [&](int i) { return new Label(&w, ElementName("LblOptOneYear", i)); });
    EXPECT_EQ(labels.size(), 9);
    EXPECT_EQ(w.findChild<Label*>("LblOptOneYear_3"), labels[3]);
}

}  // namespace
