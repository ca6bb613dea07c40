// The whole application started, the splash window dismissed, and the user's actions on
// the input windows: focus moves, typing, clicks, list picks.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>
#include <utility>
#include <vector>

#include "inputs/fm_costs.h"
#include "inputs/fm_data_entry.h"
#include "inputs/fm_define_options.h"
#include "platform/activation.h"
#include "shell/fm_logo.h"
#include "support/app_fixture.h"

namespace orv::test {

class InputsTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        UserActivates(&main());
        main().fmLogo().CmdOK->click();
        Settle();
    }

    FmDataEntry& entry() { return main().fmDataEntry(); }
    FmCosts& costs() { return main().fmCosts(); }
    FmDefineOptions& names() { return main().fmDefineOptions(); }
    Recordset& record() { return main().rstVORN; }

    using Fields = std::vector<std::pair<QString, QVariant>>;
    // Writes `fields` into the project record and reloads both input windows from it.
    void loadProject(const Fields& fields) {
        record().Edit();
        for (const auto& [f, v] : fields) record().SetField(f, v);
        record().Update();
        costs().ResetEntries();
        entry().ResetEntries();
    }
    // Each field of the row holds its value: a text where the value is a text, else a number.
    static void expectRow(Recordset& row, const Fields& fields) {
        for (const auto& [name, value] : fields) {
            if (value.typeId() == QMetaType::QString)
                EXPECT_EQ(row.Text(name), value.toString()) << name.toStdString();
            else
                EXPECT_EQ(row.Number(name), value.toDouble()) << name.toStdString();
        }
    }

    void setField(const QString& field, const QVariant& value) {
        record().Edit();
        record().SetField(field, value);
        record().Update();
    }

    // The user moves the focus to a control of the active window.
    void focus(QWidget* control) {
        control->setFocus(Qt::TabFocusReason);
        Settle(1);
    }
    // The user goes to a box, replaces its text by typing, and stays there.
    void type(QWidget* control, const QString& text) {
        focus(control);
        QLineEdit* edit = qobject_cast<QLineEdit*>(control);
        if (auto* combo = qobject_cast<QComboBox*>(control)) edit = combo->lineEdit();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    // Types into a box, then moves on to `next`, which runs the box's lost-focus check.
    void enter(QWidget* control, const QString& text, QWidget* next) {
        type(control, text);
        focus(next);
    }
    // The user picks entry `index` of a list.
    void pick(ComboBox* list, int index) {
        {
            QSignalBlocker block(list);
            list->setCurrentIndex(index);
        }
        emit list->activated(index);
    }

    size_t messageCount() { return backend().messages.size(); }
    const ScriptedBackend::Message& lastMessage() { return backend().messages.back(); }
};

}  // namespace orv::test
