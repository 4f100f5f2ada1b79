// The run report painted on one A4 page of a PDF (QPdfWriter), the chart
// and its axis texts framed as the windows' pictures are (framedPlot) and
// painted by the program's own plot painter. Needs a QGuiApplication (fonts);
// no widgets, so it runs on the offscreen platform without a display.
#pragma once

#include "common/Result.h"
#include "report/RunReport.h"

#include <filesystem>
#include <string>

class QPainter;
class QRect;

namespace vornax {

// The page into any painter, `page` the printable rectangle in device units
// at `dpi` dots per inch.
void paintRunReport(QPainter& painter, const QRect& page, int dpi, const RunReport& report);

// The PDF's bytes.
std::string runReportPdf(const RunReport& report);

// Writes the PDF through a temporary file, so a failed save leaves any
// earlier file whole.
Status saveRunReport(const std::filesystem::path& file, const RunReport& report);

}  // namespace vornax
