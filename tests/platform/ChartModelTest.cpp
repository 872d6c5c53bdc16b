#include <gtest/gtest.h>
#include "platform/ChartModel.h"
TEST(ChartModel, Placeholder) { EXPECT_TRUE(vrn::validChartModel(vrn::defaultChartModel())); }
