#include "common/PlotMapping.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

TEST(PlotMapping, MapsBothWaysAndRefusesEmptyExtents)
{
    const PlotMapping map(4000.0, 256.0, 800.0, 128.0);
    const PlotPoint px = map.toPixel({1000.0, 64.0});
    EXPECT_DOUBLE_EQ(px.x, 200.0);
    EXPECT_DOUBLE_EQ(px.y, 32.0);
    const PlotPoint back = map.toUser(px);
    EXPECT_DOUBLE_EQ(back.x, 1000.0);
    EXPECT_DOUBLE_EQ(back.y, 64.0);
    EXPECT_FALSE(PlotMapping::validExtent(0.0));
    EXPECT_FALSE(PlotMapping::validExtent(1.0 / 0.0));
    EXPECT_TRUE(PlotMapping::validExtent(-3.0));
}

}  // namespace
}  // namespace vornax
