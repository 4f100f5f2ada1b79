// The speed-log readers (NMEA, GPX, CSV, VBO) as `vornax rpm`, `coastdown`
// and the speed-log window take a file: the content test, then the reader,
// with and without the CSV columns given. What a reader gives must hold what
// the computations count on.
#include "FuzzLines.h"
#include "speedlog/SpeedLog.h"

#include <cmath>
#include <cstdlib>

using namespace vornax;

namespace {

void check(const Result<SpeedLog>& log, const SpeedLogError& where)
{
    if (!log) {
        if (log.error().empty() || where.message.empty())
            std::abort();  // a refusal always says why
        return;
    }
    std::size_t valid = 0;
    double previous = -1;
    for (const SpeedFix& fix : log->fixes) {
        if (!(fix.time > previous) || !std::isfinite(fix.time))
            std::abort();  // strictly increasing, finite
        if (!(fix.speed >= 0 && fix.speed <= 150))
            std::abort();
        previous = fix.time;
        valid += fix.valid ? 1 : 0;
    }
    if (valid < 2 || log->fixes.front().time != 0 || log->problems.size() > 20 ||
        log->problems.size() > log->skippedLines)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzing::bytesOf(data, size);
    const std::span<const char> span(bytes.data(), bytes.size());
    (void)looksLikeSpeedLog(span);

    SpeedLogError where;
    check(readSpeedLog(span, {}, &where), where);

    SpeedLogReadOptions options;
    options.columns = {"1", "2", size % 2 ? "km/h" : ""};
    SpeedLogError columnsWhere;
    check(readSpeedLog(span, options, &columnsWhere), columnsWhere);
    return 0;
}
