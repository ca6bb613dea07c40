// The project of the concrete comparison tests, written into the record as a user and the
// data entry window would leave it, with the concrete-only fields, which no window writes,
// written directly.
#pragma once

#include "analysis/custom_window_fixture.h"

namespace orv::test {

class ConcreteTest : public CustomWindowTest {
  protected:
    // 900 square feet (100 square yards), inflation 3 %, interest 5 %, 30 years. Design one
    // costs 100 x (4 x 0.80 + 6 x 0.90 + 0.90 + 2 x 1.25) = 1,200 with 10 % salvage; design
    // two costs 100 x (8 x 3.00 + 4 x 0.90 + 0.90 + 0.50 + 1 x 1.25) = 3,025 with 20 %.
    // ConstOptionOne and ConstOptionTwo would add 100 and 270 if the windows read them.
    void SetUp() override {
        CustomWindowTest::SetUp();
        const Fields fields = {{"Length", 100},
                               {"Width", 9},
                               {"Area", 900},
                               {"SurfaceDepthOne", 4.0},
                               {"BaseCourseOne", 6.0},
                               {"SubgradeOne", 0.0},
                               {"SubgradePrepOne", 1},
                               {"PavementFabricOne", 0},
                               {"ConstOptionOne", 5.0},
                               {"SalvageOne", "10"},
                               {"SurfaceDepthTwo", 8.0},
                               {"BaseCourseTwo", 4.0},
                               {"SubgradeTwo", 0.0},
                               {"SubgradePrepTwo", 1},
                               {"PavementFabricTwo", 1},
                               {"ConstOptionTwo", 3.0},
                               {"SalvageTwo", "20"},
                               {"InflationRate", 3.0},
                               {"InterestRate", 5.0},
                               {"AnalysisPeriod", 1},
                               {"AnalysisText", "30"},
                               {"ConstOptionTwoCost", 0.9},
                               // Read only by the concrete windows, and written by none.
                               {"PortlandCementCost", 3.0},
                               {"ConstructionOptionOne", 2.0},
                               {"ConstructionOptionTwo", 1.0},
                               {"ConstructionOptionCost", 1.25},
                               {"JointCrackSealCost", 0.40},
                               {"GrindingCost", 1.10}};
        loadProject(fields);
    }
};

}  // namespace orv::test
