// The data entry window through the whole application: its controls, its reload and store,
// its field checks, the level rules and Calculate, and the event rules they rely on.
#include <gtest/gtest.h>

#include "inputs_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

class DataEntryTest : public InputsTest {};

TEST_F(DataEntryTest, Smoke) {
    EXPECT_EQ(ActivationTracker::instance().current(), &entry());
    EXPECT_EQ(entry().TbxName->Text(), "New Project");
    EXPECT_EQ(entry().CbxAnalysisPeriod->Text(), "30");
    enter(entry().TbxLength, "100", entry().TbxWidth);
    enter(entry().TbxWidth, "24", entry().CbxAnalysisPeriod);
    EXPECT_EQ(entry().LblArea->Caption(), "2,400");
}

}  // namespace
