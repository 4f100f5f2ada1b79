// NMEA 0183 sentences of a GPS receiver: $--RMC (time, status, position,
// speed over ground in knots, date), $--VTG (speed over ground in knots and
// km/h, no time) and $--GGA (time, position, fix quality, altitude), any
// talker (GP, GN, GL, GA ...). The sentences of one fix share its time and
// are merged; other sentences are passed over.
#include "speedlog/Formats.h"

#include <cmath>

namespace vornax::speedlog {
namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

unsigned checksumOf(std::string_view body)
{
    unsigned sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    return sum;
}

std::string hexText(unsigned value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[(value >> 4) & 15], digits[value & 15]};
}

enum class Checked { Sentence, NotSentence, BadChecksum, NoChecksum };

// The sentence between "$" and "*" when its checksum matches.
Checked checkSentence(std::string_view line, std::string_view& body, std::string& why)
{
    // Some loggers put their own time stamp before each sentence.
    const std::size_t dollar = line.find('$');
    if (dollar == std::string_view::npos)
        return Checked::NotSentence;
    line = trimmed(line.substr(dollar));
    if (line.size() < 7)
        return Checked::NotSentence;
    const std::size_t star = line.rfind('*');
    if (star == std::string_view::npos)
        return Checked::NoChecksum;
    if (star + 3 != line.size() || hexDigit(line[star + 1]) < 0 || hexDigit(line[star + 2]) < 0) {
        why = "unreadable checksum";
        return Checked::BadChecksum;
    }
    body = line.substr(1, star - 1);
    const unsigned written = static_cast<unsigned>(hexDigit(line[star + 1]) * 16 + hexDigit(line[star + 2]));
    const unsigned actual = checksumOf(body);
    if (written != actual) {
        why = "checksum *" + std::string(line.substr(star + 1, 2)) + " does not match the sentence (*" +
              hexText(actual) + ")";
        return Checked::BadChecksum;
    }
    return Checked::Sentence;
}

// "ddmm.mmmm" with its hemisphere letter, in degrees; NaN when empty.
bool coordinate(std::string_view value, std::string_view hemisphere, bool latitude, double& degrees)
{
    if (value.empty() && hemisphere.empty()) {
        degrees = kNaN;
        return true;
    }
    const auto v = number(value);
    if (!v || *v < 0)
        return false;
    const double whole = std::floor(*v / 100.0);
    const double minutes = *v - whole * 100.0;
    if (minutes >= 60.0 || whole > (latitude ? 90 : 180))
        return false;
    degrees = whole + minutes / 60.0;
    if (hemisphere == (latitude ? "S" : "W"))
        degrees = -degrees;
    else if (hemisphere != (latitude ? "N" : "E"))
        return false;
    return degrees >= -180 && degrees <= 180;
}

bool speedField(std::string_view value, double factor, double& speed)
{
    const auto v = number(value);
    if (!v || *v < 0 || *v * factor > kHighestSpeed)
        return false;
    speed = *v * factor;
    return true;
}

// One fix being gathered from the sentences of its time.
struct Epoch {
    std::string_view clock;  // the time field as written
    double secondsOfDay = 0;
    RawFix fix;
    bool hasSpeed = false;
    bool voidFix = false;
};

class NmeaReader {
public:
    explicit NmeaReader(RawLog& log) : log_(log) {}

    void line(std::string_view text, std::size_t number)
    {
        if (trimmed(text).empty())
            return;
        std::string_view body;
        std::string why;
        switch (checkSentence(text, body, why)) {
        case Checked::NotSentence: log_.skip(number, "not an NMEA sentence"); return;
        case Checked::NoChecksum: log_.skip(number, "sentence without a checksum"); return;
        case Checked::BadChecksum: log_.skip(number, why); return;
        case Checked::Sentence: break;
        }
        splitAt(body, ',', fields_);
        const std::string_view type = fields_[0].size() == 5 ? fields_[0].substr(2) : std::string_view{};
        if (type == "RMC")
            rmc(number);
        else if (type == "GGA")
            gga(number);
        else if (type == "VTG")
            vtg(number);
    }

    void finish() { flush(); }

private:
    // The epoch of this time, started when the time differs from the open one.
    bool epochAt(std::string_view clock, std::size_t number)
    {
        const auto seconds = clockSeconds(clock);
        if (!seconds) {
            log_.skip(number, "time \"" + std::string(clock.substr(0, 20)) + "\" is not hhmmss.ss");
            return false;
        }
        // "123519" and "123519.00" are the same time.
        if (open_ && *seconds == epoch_.secondsOfDay)
            return true;
        flush();
        open_ = true;
        epoch_ = Epoch{};
        epoch_.clock = clock;
        epoch_.secondsOfDay = *seconds;
        epoch_.fix.line = number;
        if (pendingSpeed_) {
            epoch_.fix.speed = *pendingSpeed_;
            epoch_.hasSpeed = true;
            pendingSpeed_.reset();
        }
        return true;
    }

    void flush()
    {
        if (!open_)
            return;
        open_ = false;
        RawFix fix = epoch_.fix;
        fix.time = rollover_.next(epoch_.secondsOfDay);
        if (epoch_.voidFix) {
            fix.valid = false;
            if (!epoch_.hasSpeed)
                fix.speed = 0;
        }
        if (log_.fixes.empty())
            log_.clockStart = std::string(epoch_.clock);
        log_.fixes.push_back(fix);
    }

    void position(std::size_t at)
    {
        double lat = kNaN, lon = kNaN;
        if (coordinate(fields_[at], fields_[at + 1], true, lat) &&
            coordinate(fields_[at + 2], fields_[at + 3], false, lon)) {
            epoch_.fix.latitude = lat;
            epoch_.fix.longitude = lon;
        }
    }

    // $--RMC,hhmmss.ss,A,llll.ll,a,yyyyy.yy,a,speed kn,course,ddmmyy,...
    void rmc(std::size_t number)
    {
        if (fields_.size() < 10) {
            log_.skip(number, "RMC sentence with " + std::to_string(fields_.size()) + " fields");
            return;
        }
        double speed = 0;
        const bool voidFix = fields_[2] != "A" || (fields_.size() > 12 && fields_[12] == "N");
        if (!voidFix && !speedField(fields_[7], kKnot, speed)) {
            log_.skip(number, "RMC speed \"" + std::string(fields_[7].substr(0, 20)) + "\" is not a speed");
            return;
        }
        if (!epochAt(fields_[1], number))
            return;
        position(3);
        if (voidFix) {
            epoch_.voidFix = true;
        } else {
            epoch_.fix.speed = speed;
            epoch_.hasSpeed = true;
        }
    }

    // $--GGA,hhmmss.ss,lat,N,lon,E,quality,satellites,hdop,altitude,M,...
    void gga(std::size_t number)
    {
        if (fields_.size() < 11) {
            log_.skip(number, "GGA sentence with " + std::to_string(fields_.size()) + " fields");
            return;
        }
        const auto quality = number_(fields_[6]);
        if (!quality) {
            log_.skip(number, "GGA fix quality \"" + std::string(fields_[6].substr(0, 20)) + "\" is not a number");
            return;
        }
        if (!epochAt(fields_[1], number))
            return;
        position(2);
        if (*quality == 0)
            epoch_.voidFix = true;
        if (const auto altitude = number_(fields_[9]); altitude && std::fabs(*altitude) < 1e5)
            epoch_.fix.altitude = *altitude;
    }

    // $--VTG,course,T,course,M,speed,N,speed,K[,mode]: no time of its own;
    // the speed of the open fix when it has none yet (receivers write it
    // after the RMC or GGA of its time), of the first fix when none is open
    // yet, and passed over when the open fix has its speed from an RMC.
    void vtg(std::size_t number)
    {
        if (fields_.size() < 9) {
            log_.skip(number, "VTG sentence with " + std::to_string(fields_.size()) + " fields");
            return;
        }
        if (fields_.size() > 9 && fields_[9] == "N")
            return;  // no fix: nothing to take
        double speed = 0;
        if (!(fields_[7].empty() ? speedField(fields_[5], kKnot, speed) : speedField(fields_[7], kKmh, speed))) {
            log_.skip(number, "VTG speed is not a speed");
            return;
        }
        if (!open_) {
            pendingSpeed_ = speed;
        } else if (!epoch_.hasSpeed) {
            epoch_.fix.speed = speed;
            epoch_.hasSpeed = true;
        }
    }

    static std::optional<double> number_(std::string_view text) { return number(text); }

    RawLog& log_;
    std::vector<std::string_view> fields_;
    Epoch epoch_;
    bool open_ = false;
    std::optional<double> pendingSpeed_;
    MidnightRollover rollover_;
};

}  // namespace

bool readNmea(std::string_view text, RawLog& log, SpeedLogError& /*error*/)
{
    log.format = SpeedLogFormat::Nmea;
    NmeaReader reader(log);
    forEachLine(text, [&](std::string_view line, std::size_t number) {
        reader.line(line, number);
        return true;
    });
    reader.finish();
    return true;
}

bool looksLikeNmea(std::string_view head)
{
    // A sentence of a fix, its checksum right or not: a file whose every
    // checksum is wrong is still a damaged NMEA log, not some other file.
    bool found = false;
    int lines = 0;
    forEachLine(head, [&](std::string_view line, std::size_t) {
        const std::size_t dollar = line.find('$');
        line = dollar == std::string_view::npos ? std::string_view{} : line.substr(dollar);
        if (line.size() >= 7 && line[6] == ',') {
            const std::string_view type = line.substr(3, 3);
            found = type == "RMC" || type == "GGA" || type == "VTG";
        }
        return ++lines < 200 && !found;
    });
    return found;
}

namespace {

std::string coordinateText(double degrees, bool latitude)
{
    const double a = std::fabs(degrees);
    double whole = std::floor(a);
    double minutes = (a - whole) * 60.0;
    // Minutes that round up to 60 carry into the degrees.
    if (number(pointDecimals(minutes, 6)).value_or(0) >= 60.0) {
        whole += 1;
        minutes = 0;
    }
    const std::string degreesText = paddedWhole(static_cast<long long>(whole), latitude ? 2 : 3);
    std::string m = pointDecimals(minutes, 6);
    if (minutes < 10)
        m = "0" + m;
    const char* hemisphere = latitude ? (degrees < 0 ? "S" : "N") : (degrees < 0 ? "W" : "E");
    return degreesText + m + "," + hemisphere;
}

std::string sentence(const std::string& body) { return "$" + body + "*" + hexText(checksumOf(body)); }

}  // namespace

Result<std::string> nmeaBytes(const SpeedLog& log, const ClockStart& start)
{
    std::string out;
    out.reserve(log.fixes.size() * 150);
    for (const SpeedFix& fix : log.fixes) {
        long long day = start.day;
        const std::string clock = clockDigits(start.secondsOfDay + fix.time, day);
        int year = 0, month = 0, dayOfMonth = 0;
        civilFromDays(day, year, month, dayOfMonth);
        const bool hasPosition = std::isfinite(fix.latitude) && std::isfinite(fix.longitude);
        const std::string position =
            hasPosition ? coordinateText(fix.latitude, true) + "," + coordinateText(fix.longitude, false) : ",,,";
        const std::string rmc = "GPRMC," + clock + "," + (fix.valid ? "A" : "V") + "," + position + "," +
                                (fix.valid ? pointDecimals(fix.speed / kKnot, 3) : "") + ",," +
                                paddedWhole(dayOfMonth, 2) + paddedWhole(month, 2) + paddedWhole(year % 100, 2) +
                                ",,," + (fix.valid ? "A" : "N");
        const std::string altitude = std::isfinite(fix.altitude) ? pointDecimals(fix.altitude, 1) : "";
        const std::string gga =
            "GPGGA," + clock + "," + position + "," + (fix.valid ? "1,10,0.8," : "0,00,,") + altitude + ",M,0.0,M,,";
        out += sentence(rmc);
        out += "\r\n";
        out += sentence(gga);
        out += "\r\n";
    }
    return out;
}

}  // namespace vornax::speedlog
