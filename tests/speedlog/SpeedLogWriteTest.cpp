// Each writer's file read back by the readers: the same fixes within the
// resolution the format writes, past midnight, with the lost fix kept where
// the format can say so.
#include "TempFolder.h"
#include "speedlog/Geodesic.h"
#include "speedlog/SpeedLog.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornax {
namespace {

SpeedLog sampleLog()
{
    SpeedLog log;
    log.clockStart = "23:59:58.50";
    double lat = 47.25, lon = -1.5, distance = 0;
    for (int i = 0; i < 60; ++i) {
        SpeedFix fix;
        fix.time = i * 0.1;
        fix.speed = 5.0 + 0.37 * i + 0.001 * (i % 7);
        distance += fix.speed * 0.1;
        geodesicDestination(47.25, -1.5, 33.0, distance, lat, lon);
        fix.latitude = lat;
        fix.longitude = lon;
        fix.altitude = 80.0 + 0.25 * i;
        fix.valid = i != 30;
        log.fixes.push_back(fix);
    }
    return log;
}

struct Resolution {
    SpeedLogFormat format;
    const char* file;
    double time, speed, degrees, altitude;
    bool keepsLostFix;
};

class SpeedLogRoundTrip : public ::testing::TestWithParam<Resolution> {};

TEST_P(SpeedLogRoundTrip, ReadsBackWhatWasWritten)
{
    const Resolution& r = GetParam();
    testing::TempFolder folder;
    const SpeedLog log = sampleLog();
    const auto path = (folder / r.file).string();
    ASSERT_TRUE(writeSpeedLogFile(log, r.format, path));
    const auto back = readSpeedLogFile(path);
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(back->format, r.format);
    EXPECT_EQ(back->skippedLines, 0u);
    ASSERT_EQ(back->fixes.size(), r.keepsLostFix ? log.fixes.size() : log.fixes.size() - 1);
    for (std::size_t i = 0, j = 0; i < log.fixes.size(); ++i) {
        const SpeedFix& want = log.fixes[i];
        if (!want.valid && !r.keepsLostFix)
            continue;
        const SpeedFix& got = back->fixes[j++];
        SCOPED_TRACE(i);
        EXPECT_NEAR(got.time, want.time, r.time);
        EXPECT_EQ(got.valid, want.valid);
        if (want.valid)
            EXPECT_NEAR(got.speed, want.speed, r.speed);
        EXPECT_NEAR(got.latitude, want.latitude, r.degrees);
        EXPECT_NEAR(got.longitude, want.longitude, r.degrees);
        if (r.altitude > 0)
            EXPECT_NEAR(got.altitude, want.altitude, r.altitude);
    }
    EXPECT_NEAR(speedLogRate(*back), 10.0, 1e-4);
    if (r.format != SpeedLogFormat::Csv) {  // the clock survives, and so does midnight
        ASSERT_FALSE(back->clockStart.empty());
        const SpeedLog again = *back;
        ASSERT_TRUE(writeSpeedLogFile(again, r.format, path));
        const auto twice = readSpeedLogFile(path);
        ASSERT_TRUE(twice);
        EXPECT_EQ(twice->clockStart, back->clockStart);
        EXPECT_NEAR(twice->fixes.back().time, back->fixes.back().time, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, SpeedLogRoundTrip,
                         ::testing::Values(Resolution{SpeedLogFormat::Nmea, "a.nmea", 1e-9 + 0.005, 3e-4, 1e-8, 0.05,
                                                      true},
                                           Resolution{SpeedLogFormat::Gpx, "a.gpx", 5e-4, 5e-4, 1e-8, 0.005, true},
                                           Resolution{SpeedLogFormat::Csv, "a.csv", 5e-4, 2e-4, 1e-8, 0.005, false},
                                           Resolution{SpeedLogFormat::Vbo, "a.vbo", 0.005, 2e-4, 1e-7, 0.005, true}),
                         [](const ::testing::TestParamInfo<Resolution>& info) {
                             return std::string(speedLogFormatName(info.param.format));
                         });

TEST(SpeedLogWrite, RefusesWhatTheFormatCannotHoldAndLeavesTheFileAlone)
{
    testing::TempFolder folder;
    const auto path = folder.write("kept.gpx", "old");
    SpeedLog log = sampleLog();
    log.fixes[3].latitude = std::nan("");
    EXPECT_FALSE(writeSpeedLogFile(log, SpeedLogFormat::Gpx, path.string()));
    log = sampleLog();
    log.fixes[5].time = log.fixes[4].time;
    EXPECT_FALSE(writeSpeedLogFile(log, SpeedLogFormat::Csv, path.string()));
    log = sampleLog();
    log.fixes[5].speed = -1;
    EXPECT_FALSE(writeSpeedLogFile(log, SpeedLogFormat::Nmea, path.string()));
    log = sampleLog();
    log.clockStart = "25:00:00";
    EXPECT_FALSE(writeSpeedLogFile(log, SpeedLogFormat::Vbo, path.string()));
    EXPECT_FALSE(writeSpeedLogFile(SpeedLog{}, SpeedLogFormat::Vbo, path.string()));
    EXPECT_EQ(testing::TempFolder::read(path), "old");
}

}  // namespace
}  // namespace vornax
