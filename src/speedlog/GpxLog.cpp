// GPX 1.1 (and 1.0) tracks: every <trkpt> of every <trkseg> in order, with
// its <time>, <ele>, <fix> and a speed in m/s where the point carries one (a
// <speed> of GPX 1.0 or of an extension such as a track point extension);
// points without one get theirs from the positions afterwards.
#include "speedlog/Formats.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vornax::speedlog {
namespace {

// Element names without their namespace prefix.
std::string_view localName(const pugi::xml_node& node)
{
    std::string_view name = node.name();
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node child(const pugi::xml_node& node, std::string_view name)
{
    for (pugi::xml_node c : node.children())
        if (c.type() == pugi::node_element && localName(c) == name)
            return c;
    return {};
}

// The first <speed> below an <extensions> (any namespace; a few levels deep,
// so that a hostile nesting cannot exhaust the stack).
pugi::xml_node extensionSpeed(const pugi::xml_node& extensions, int depth = 0)
{
    if (depth > 6)
        return {};
    for (pugi::xml_node c : extensions.children()) {
        if (c.type() != pugi::node_element)
            continue;
        if (localName(c) == "speed")
            return c;
        if (pugi::xml_node deeper = extensionSpeed(c, depth + 1))
            return deeper;
    }
    return {};
}

// Line numbers of byte offsets, found only for the points that need one.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    std::size_t at(std::ptrdiff_t offset)
    {
        if (starts_.empty()) {
            starts_.push_back(0);
            for (std::size_t i = 0; i < text_.size(); ++i)
                if (text_[i] == '\n')
                    starts_.push_back(i + 1);
        }
        if (offset < 0)
            return 0;
        return static_cast<std::size_t>(
            std::upper_bound(starts_.begin(), starts_.end(), static_cast<std::size_t>(offset)) - starts_.begin());
    }

private:
    std::string_view text_;
    std::vector<std::size_t> starts_;
};

}  // namespace

bool readGpx(std::string_view bytes, RawLog& log, SpeedLogError& error)
{
    log.format = SpeedLogFormat::Gpx;
    Lines lines(bytes);
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        error.line = lines.at(parsed.offset);
        error.message = std::string("not a readable GPX file: ") + parsed.description();
        return false;
    }
    const pugi::xml_node gpx = child(document, "gpx");
    if (!gpx) {
        error.message = "not a GPX file: no <gpx> element";
        return false;
    }
    for (pugi::xml_node track : gpx.children()) {
        if (localName(track) != "trk")
            continue;
        for (pugi::xml_node segment : track.children()) {
            if (localName(segment) != "trkseg")
                continue;
            for (pugi::xml_node point : segment.children()) {
                if (point.type() != pugi::node_element || localName(point) != "trkpt")
                    continue;
                const std::size_t line = lines.at(point.offset_debug());
                const auto lat = number(point.attribute("lat").value());
                const auto lon = number(point.attribute("lon").value());
                if (!lat || !lon || std::fabs(*lat) > 90 || std::fabs(*lon) > 180) {
                    log.skip(line, "track point without a readable lat and lon");
                    continue;
                }
                const pugi::xml_node time = child(point, "time");
                const auto seconds = time ? isoSeconds(time.child_value()) : std::nullopt;
                if (!seconds) {
                    log.skip(line, time ? "time \"" + std::string(time.child_value()).substr(0, 40) +
                                              "\" is not a date and time"
                                        : "track point without a time");
                    continue;
                }
                RawFix fix;
                fix.line = line;
                fix.time = *seconds;
                fix.latitude = *lat;
                fix.longitude = *lon;
                if (const pugi::xml_node ele = child(point, "ele"))
                    if (const auto altitude = number(ele.child_value()); altitude && std::fabs(*altitude) < 1e5)
                        fix.altitude = *altitude;
                if (const pugi::xml_node fixKind = child(point, "fix"))
                    fix.valid = std::strcmp(fixKind.child_value(), "none") != 0;
                pugi::xml_node speed = child(point, "speed");
                if (!speed)
                    if (const pugi::xml_node extensions = child(point, "extensions"))
                        speed = extensionSpeed(extensions);
                if (speed) {
                    const auto v = number(speed.child_value());
                    if (!v || *v < 0 || *v > kHighestSpeed) {
                        log.skip(line,
                                 "speed \"" + std::string(speed.child_value()).substr(0, 40) + "\" is not a speed");
                        continue;
                    }
                    fix.speed = *v;
                }
                if (!fix.valid)
                    fix.speed = 0;
                if (log.fixes.empty())
                    log.clockStart = trimmed(time.child_value());
                log.fixes.push_back(fix);
            }
        }
    }
    return true;
}

bool looksLikeGpx(std::string_view head)
{
    const std::size_t at = head.find("<gpx");
    if (at == std::string_view::npos)
        return false;
    // Only markup (a declaration, comments) before it.
    const std::string_view before = trimmed(head.substr(0, at));
    return before.empty() || before.front() == '<' || before.substr(0, 3) == "\xEF\xBB\xBF";
}

namespace {

std::string isoText(long long day, double seconds)
{
    const long long millis = std::llround(seconds * 1000.0);
    day += millis / 86400000;
    const long long ofDay = millis % 86400000;
    int year = 0, month = 0, dayOfMonth = 0;
    civilFromDays(day, year, month, dayOfMonth);
    return paddedWhole(year, 4) + "-" + paddedWhole(month, 2) + "-" + paddedWhole(dayOfMonth, 2) + "T" +
           paddedWhole(ofDay / 3600000, 2) + ":" + paddedWhole(ofDay / 60000 % 60, 2) + ":" +
           paddedWhole(ofDay / 1000 % 60, 2) + "." + paddedWhole(ofDay % 1000, 3) + "Z";
}

}  // namespace

Result<std::string> gpxBytes(const SpeedLog& log, const ClockStart& start)
{
    for (const SpeedFix& fix : log.fixes)
        if (!std::isfinite(fix.latitude) || !std::isfinite(fix.longitude))
            return Failure{"a GPX track needs the position of every fix, and this log has fixes without one"};
    std::string out;
    out.reserve(log.fixes.size() * 260 + 400);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
           "<gpx version=\"1.1\" creator=\"vornax\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
           "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\">\r\n"
           " <trk>\r\n  <name>vornax</name>\r\n  <trkseg>\r\n";
    for (const SpeedFix& fix : log.fixes) {
        out +=
            "   <trkpt lat=\"" + pointDecimals(fix.latitude, 8) + "\" lon=\"" + pointDecimals(fix.longitude, 8) + "\">";
        if (std::isfinite(fix.altitude))
            out += "<ele>" + pointDecimals(fix.altitude, 2) + "</ele>";
        out += "<time>" + isoText(start.day, start.secondsOfDay + fix.time) + "</time>";
        if (!fix.valid)
            out += "<fix>none</fix>";
        else
            out += "<extensions><gpxtpx:TrackPointExtension><gpxtpx:speed>" + pointDecimals(fix.speed, 3) +
                   "</gpxtpx:speed></gpxtpx:TrackPointExtension></extensions>";
        out += "</trkpt>\r\n";
    }
    out += "  </trkseg>\r\n </trk>\r\n</gpx>\r\n";
    return out;
}

}  // namespace vornax::speedlog
