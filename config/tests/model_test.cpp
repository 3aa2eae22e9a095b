// Applying the selected town, and what the engine gets from a configuration.
#include "config/model.h"

#include <gtest/gtest.h>

namespace veloranth {
namespace {

TEST(ApplySelectedTown, CopiesTheSelectedTownIntoTheCurrentFields) {
    Town towns[2];
    towns[1].latitude = 48.85;
    towns[1].longitude = 2.35;
    towns[1].TimeZone = 1;
    towns[1].DST = 2;
    towns[1].Convention = 4;
    Town* table[2] = {&towns[0], &towns[1]};
    AppConfig cfg;
    cfg.TownTable = table;
    cfg.NumberOfTowns = 2;
    cfg.TownSelected = 1;
    ASSERT_TRUE(cfg.HasSelectedTown());
    ApplySelectedTown(cfg);
    EXPECT_EQ(cfg.LatitudeRad, 48.85 * 0.017453292519943295);
    EXPECT_EQ(cfg.LongitudeRad, 2.35 * 0.017453292519943295);
    EXPECT_EQ(cfg.CurrentTimeZone, 1);
    EXPECT_EQ(cfg.CurrentDst, 2);
    EXPECT_EQ(cfg.CurrentConvention, 4);
    cfg.TownSelected = 2;
    EXPECT_FALSE(cfg.HasSelectedTown());
}

TEST(EngineInputs, UnknownConventionIndexGetsNoRulesInsteadOfReadingPastTheTable) {
    WideAppConfig cfg;
    cfg.Conventions[8].FajrTwilightAngle = 18;
    cfg.CurrentConvention = 8;
    EXPECT_EQ(EngineInputs(cfg, nullptr).convention->FajrTwilightAngle, 18);
    cfg.CurrentConvention = 9;
    EXPECT_EQ(EngineInputs(cfg, nullptr).convention->FajrTwilightAngle, 0);
    cfg.CurrentConvention = -1;
    EXPECT_EQ(EngineInputs(cfg, nullptr).convention->FajrTwilightAngle, 0);
}

}  // namespace
}  // namespace veloranth
