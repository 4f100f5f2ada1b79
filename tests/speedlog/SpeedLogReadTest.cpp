// The readers of the four formats on short files written out here, against
// values worked out by hand; the files a reader must refuse, and the lines
// it must skip and count.
#include "speedlog/Geodesic.h"
#include "speedlog/SpeedLog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vornax {
namespace {

Result<SpeedLog> read(const std::string& text, const SpeedLogReadOptions& options = {}, SpeedLogError* where = nullptr)
{
    return readSpeedLog(std::span<const char>(text.data(), text.size()), options, where);
}

bool looksLike(const std::string& text) { return looksLikeSpeedLog(std::span<const char>(text.data(), text.size())); }

// A sentence with its checksum.
std::string nmea(const std::string& body)
{
    unsigned sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    static const char* hex = "0123456789ABCDEF";
    return "$" + body + "*" + hex[sum >> 4] + hex[sum & 15] + "\r\n";
}

struct ReadCase {
    const char* name;
    std::string text;
    SpeedLogFormat format;
    std::size_t fixes;
    double firstSpeed;  // m/s
    double lastTime;    // s from the first fix
    double lastSpeed;   // m/s
    std::size_t skipped;
};

class SpeedLogRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SpeedLogRead, GivesTheFixesOfTheFile)
{
    const ReadCase& c = GetParam();
    EXPECT_TRUE(looksLike(c.text));
    const auto log = read(c.text);
    ASSERT_TRUE(log) << log.error();
    EXPECT_EQ(log->format, c.format);
    ASSERT_EQ(log->fixes.size(), c.fixes);
    EXPECT_NEAR(log->fixes.front().speed, c.firstSpeed, 1e-9);
    EXPECT_DOUBLE_EQ(log->fixes.front().time, 0.0);
    EXPECT_NEAR(log->fixes.back().time, c.lastTime, 1e-6);
    EXPECT_NEAR(log->fixes.back().speed, c.lastSpeed, 1e-9);
    EXPECT_EQ(log->skippedLines, c.skipped);
    EXPECT_EQ(log->problems.size(), std::min<std::size_t>(c.skipped, 20));
}

const double kn = 1852.0 / 3600.0;

INSTANTIATE_TEST_SUITE_P(
    Formats, SpeedLogRead,
    ::testing::Values(
        // The textbook sentences, checksums as published; GGA and RMC of one
        // time make one fix.
        ReadCase{"NmeaTextbook",
                 "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
                 "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n" +
                     nmea("GPRMC,123520,A,4807.045,N,01131.010,E,023.0,084.4,230394,003.1,W"),
                 SpeedLogFormat::Nmea, 2, 22.4 * kn, 1.0, 23.0 * kn, 0},
        // GN talker, VTG speed in km/h for a GGA-only epoch, other sentences
        // passed over, a damaged checksum and a line of noise counted.
        ReadCase{"NmeaVtgAndDamage",
                 nmea("GNGGA,101500.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,") +
                     nmea("GNVTG,84.4,T,,M,10.0,N,18.52,K,A") + nmea("GPGSV,3,1,11,03,03,111,00") +
                     "$GNGGA,101500.10,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*00\r\n" + "garbage\r\n" +
                     "1733740500.123 " + nmea("GNGGA,101500.20,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,") +
                     nmea("GNVTG,84.4,T,,M,,N,36.0,K,A"),
                 SpeedLogFormat::Nmea, 2, 18.52 / 3.6, 0.2, 10.0, 2},
        ReadCase{
            "GpxExtensionSpeed",
            "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
            "xmlns:x=\"urn:x\">\n<trk><trkseg>\n"
            "<trkpt lat=\"47.0\" lon=\"1.0\"><time>2026-05-01T23:59:59.5Z</time>"
            "<extensions><x:TrackPointExtension><x:speed>12.5</x:speed></x:TrackPointExtension></extensions></trkpt>\n"
            "<trkpt lat=\"47.0001\" lon=\"1.0\"><time>2026-05-02T00:00:00.5Z</time>"
            "<extensions><x:speed>13.5</x:speed></extensions></trkpt>\n"
            "<trkpt lat=\"47.0002\" lon=\"1.0\"></trkpt>\n"
            "</trkseg></trk></gpx>\n",
            SpeedLogFormat::Gpx, 2, 12.5, 1.0, 13.5, 1},
        ReadCase{"CsvKmhDecimalComma",
                 "Temps (s);Vitesse (km/h);Latitude;Longitude\r\n0;36,0;47,0;1,0\r\n0,1;37,8;;\r\n"
                 "0,2;abc;;\r\n0,3;nan;;\r\n0,4;1e308;;\r\n0,5;39,6;;\r\n",
                 SpeedLogFormat::Csv, 3, 10.0, 0.5, 11.0, 3},
        ReadCase{"CsvMphMillisComma", "time_ms,speed_mph,alt\n1000,10,100\n1100,20,100\n", SpeedLogFormat::Csv, 2,
                 4.4704, 0.1, 8.9408, 0},
        ReadCase{"CsvUnitsRowClockQuoted",
                 "\xEF\xBB\xBF\"Time\",\"Speed\",\"Lat\"\n\"\",\"kn\",\"deg\"\n\"23:59:59.90\",\"10,0\",\"47\"\n"
                 "\"00:00:00.10\",\"20\",\"47\"\n",
                 SpeedLogFormat::Csv, 2, 10.0 * kn, 0.2, 20.0 * kn, 0},
        ReadCase{"Vbo",
                 "File created on 01/05/2026 at 12:00:00\r\n\r\n[header]\r\nsatellites\r\ntime\r\nlatitude\r\n"
                 "longitude\r\nvelocity kmh\r\n\r\n[column names]\r\nsats time lat long velocity\r\n\r\n[data]\r\n"
                 "010 235959.95 +02820.00000 -00060.00000 072.000\r\n"
                 "010 000000.00 +02820.00010 -00060.00000 073.800\r\n"
                 "000 000000.05 +02820.00020 -00060.00000 000.000\r\n"
                 "010 000000.10 +02820.00030 -00060.00000 bad\r\n"
                 "010 000000.15 +02820.00040 -00060.00000 075.600\r\n",
                 SpeedLogFormat::Vbo, 4, 20.0, 0.2, 21.0, 1}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(SpeedLogRead, KeepsPositionsAltitudeValidityAndTheClockOfTheFirstFix)
{
    const std::string text = nmea("GPRMC,235959.00,A,4807.038,S,01131.000,W,10.0,,010526,,,A") +
                             nmea("GPGGA,235959,4807.038,S,01131.000,W,1,08,0.9,545.4,M,46.9,M,,") +
                             nmea("GPRMC,000000.00,V,,,,,,,020526,,,N") +
                             nmea("GPRMC,000001.00,A,,,,,11.0,,020526,,,A");
    const auto log = read(text);
    ASSERT_TRUE(log) << log.error();
    ASSERT_EQ(log->fixes.size(), 3u);
    EXPECT_NEAR(log->fixes[0].latitude, -(48 + 7.038 / 60), 1e-12);
    EXPECT_NEAR(log->fixes[0].longitude, -(11 + 31.0 / 60), 1e-12);
    EXPECT_DOUBLE_EQ(log->fixes[0].altitude, 545.4);
    EXPECT_FALSE(log->fixes[1].valid);
    EXPECT_DOUBLE_EQ(log->fixes[1].time, 1.0);  // past midnight
    EXPECT_DOUBLE_EQ(log->fixes[2].time, 2.0);
    EXPECT_TRUE(std::isnan(log->fixes[2].latitude));
    EXPECT_EQ(log->clockStart, "235959.00");
    EXPECT_DOUBLE_EQ(speedLogRate(*log), 0.5);  // the lost fix leaves a 2 s spacing
}

TEST(SpeedLogRead, GpxWithoutSpeedsTakesThemFromTheGeodesicDistance)
{
    // Points 0,001° of latitude apart, one second apart: at 47° north the
    // meridian's radius of curvature a(1 - e²) / (1 - e² sin²φ)^1,5 makes
    // that 111,17085 m (WGS84).
    std::string text = "<gpx version=\"1.1\"><trk><trkseg>\n";
    for (int i = 0; i < 4; ++i)
        text += "<trkpt lat=\"" + std::to_string(47.0 + 0.001 * i) + "\" lon=\"1\"><time>2026-05-01T10:00:0" +
                std::to_string(i) + "Z</time></trkpt>\n";
    text += "</trkseg></trk></gpx>";
    const auto log = read(text);
    ASSERT_TRUE(log) << log.error();
    ASSERT_EQ(log->fixes.size(), 4u);
    const double expected = geodesicDistance(47.0, 1, 47.001, 1);
    EXPECT_NEAR(expected, 111.17085, 1e-5);
    for (const SpeedFix& fix : log->fixes)
        EXPECT_NEAR(fix.speed, expected, 1e-3);
}

TEST(SpeedLogRead, ColumnsGivenByNameOrNumberAndUnit)
{
    const std::string text = "a;b;c\n0;1;5\n0,5;1;7\n";
    SpeedLogReadOptions options;
    options.columns = {"a", "3", "m/s"};
    const auto log = read(text, options);
    ASSERT_TRUE(log) << log.error();
    ASSERT_EQ(log->fixes.size(), 2u);
    EXPECT_DOUBLE_EQ(log->fixes[1].speed, 7.0);
    EXPECT_DOUBLE_EQ(log->fixes[1].time, 0.5);
    EXPECT_FALSE(looksLike(text));  // without the columns it is no log

    // Without a header the first row is a fix.
    options.columns = {"1", "3", "km/h"};
    const auto bare = read("0;1;36\n0,5;1;72\n", options);
    ASSERT_TRUE(bare) << bare.error();
    ASSERT_EQ(bare->fixes.size(), 2u);
    EXPECT_DOUBLE_EQ(bare->fixes[0].speed, 10.0);

    options.columns = {"a", "zz", "m/s"};
    SpeedLogError where;
    EXPECT_FALSE(read(text, options, &where));
    EXPECT_EQ(where.line, 1u);
    options.columns = {"a", "c", "furlongs"};
    EXPECT_FALSE(read(text, options));
}

struct RefusedCase {
    const char* name;
    std::string text;
    std::size_t line;      // where the reader stops
    const char* contains;  // part of the message
};

class SpeedLogRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(SpeedLogRefused, WithALineAndAMessage)
{
    const RefusedCase& c = GetParam();
    SpeedLogError where;
    const auto log = read(c.text, {}, &where);
    ASSERT_FALSE(log);
    EXPECT_EQ(where.line, c.line) << log.error();
    EXPECT_NE(log.error().find(c.contains), std::string::npos) << log.error();
    if (c.line > 0)
        EXPECT_EQ(log.error().rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << log.error();
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, SpeedLogRefused,
    ::testing::Values(
        RefusedCase{"Empty", "", 0, "empty"}, RefusedCase{"Blank", " \r\n\r\n", 0, "empty"},
        RefusedCase{"Binary", std::string("RIFF\0\0\0\0WAVEfmt ", 16), 0, "not text"},
        RefusedCase{"NothingKnown", "hello\nworld\n", 0, "not a speed log"},
        RefusedCase{"PowerCurve", "1000;50;5000\n1100;52;6000\n", 0, "not a speed log"},
        RefusedCase{"AllChecksumsWrong", "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6B\n", 0,
                    "0 valid fixes"},
        RefusedCase{"OneFix", nmea("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"), 0,
                    "1 valid fix,"},
        RefusedCase{"CsvBackwards", "time (s);speed (km/h)\n0;10\n1;10\n0,5;10\n", 4, "goes back"},
        RefusedCase{"CsvNoUnit", "time;speed\n0;10\n1;10\n", 1, "no unit"},
        RefusedCase{"CsvHeaderOnly", "time (s);speed (km/h)\n", 0, "0 valid fixes"},
        RefusedCase{"GpxTruncated", "<?xml version=\"1.0\"?>\n<gpx>\n<trk><trkseg>\n<trkpt lat=\"1\" lon=\"1\"><ti", 4,
                    "GPX"},
        RefusedCase{"VboNoVelocity", "[column names]\nsats time\n[data]\n010 120000.00\n", 3, "velocity"},
        RefusedCase{"VboBackwards", "[column names]\ntime velocity\n[data]\n120000.00 10\n120001.00 10\n115000.00 10\n",
                    6, "goes back"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(SpeedLogRead, RepeatedTimesAndHugeNumbersAreSkippedAndCounted)
{
    std::string text = "time (s);speed (m/s)\n0;1\n0;2\n1e400;3\n-1e20;3\n1;inf\n2;-1\n3;4\n";
    for (int i = 0; i < 30; ++i)
        text += "x;y\n";
    const auto log = read(text);
    ASSERT_TRUE(log) << log.error();
    ASSERT_EQ(log->fixes.size(), 2u);
    EXPECT_DOUBLE_EQ(log->fixes[1].speed, 4.0);
    EXPECT_EQ(log->skippedLines, 35u);
    EXPECT_EQ(log->problems.size(), 20u);
    EXPECT_EQ(log->problems.front().line, 3u);
}

TEST(SpeedLogRead, TellsLogsFromOtherFiles)
{
    EXPECT_TRUE(looksLike("Time;Speed (km/h)\n"));
    EXPECT_TRUE(looksLike("<?xml version=\"1.0\"?><gpx></gpx>"));
    EXPECT_TRUE(looksLike("junk\r\n" + nmea("GPVTG,84.4,T,,M,10.0,N,18.52,K,A")));
    EXPECT_FALSE(looksLike(""));
    EXPECT_FALSE(looksLike("rpm;torque;power\n1000;50;5000\n"));
    EXPECT_FALSE(looksLike(" 0,01 \r\n 1500 \r\n"));
    EXPECT_FALSE(looksLike("<html><body>gpx</body></html>"));
    EXPECT_FALSE(looksLike(std::string("RIFF\0\0\0\0WAVEtime;speed (km/h)", 30)));
}

TEST(Geodesic, MatchesVincentysPublishedExampleBothWays)
{
    // Flinders Peak to Buninyong: 54 972,271 m, initial bearing 306° 52' 05,37".
    const double lat1 = -(37 + 57 / 60.0 + 3.72030 / 3600), lon1 = 144 + 25 / 60.0 + 29.52440 / 3600;
    const double lat2 = -(37 + 39 / 60.0 + 10.15610 / 3600), lon2 = 143 + 55 / 60.0 + 35.38390 / 3600;
    EXPECT_NEAR(geodesicDistance(lat1, lon1, lat2, lon2), 54972.271, 0.001);
    double lat = 0, lon = 0;
    geodesicDestination(lat1, lon1, 306 + 52 / 60.0 + 5.37 / 3600, 54972.271, lat, lon);
    EXPECT_NEAR(lat, lat2, 1e-7);
    EXPECT_NEAR(lon, lon2, 1e-7);
    EXPECT_TRUE(std::isnan(geodesicDistance(91, 0, 0, 0)));
    EXPECT_EQ(geodesicDistance(10, 20, 10, 20), 0.0);
    EXPECT_NEAR(geodesicDistance(0, 0, 0, 1), 111319.491, 0.001);  // a degree of the equator
}

}  // namespace
}  // namespace vornax
