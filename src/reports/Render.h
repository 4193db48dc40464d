#pragma once
// Drawing prepared pages: on any painter (preview, printer, image) and into
// PDF files. Page pixels are 1/96 inch; fonts sized in points keep their size
// on devices of any resolution.

#include "reports/Report.h"

#include <functional>

class QPainter;
class QPrinter;

namespace reports {

// Draws page `page` with its top-left corner at the painter's origin,
// `scale` device units per page pixel (1 for a 96-dpi device at 100 %).
void drawPage(QPainter &painter, const Document &doc, int page, double scale);

// A page as an image on white, `scale` image pixels per page pixel.
QImage pageImage(const Document &doc, int page, double scale = 1.0);

// Writes every page into a PDF file (A4, fonts embedded). False with the
// reason in *error when the file cannot be written or there are no pages.
bool writePdf(const Document &doc, const QString &fileName, QString *error = nullptr);

// Prints the pages the printer's range selects (all when none) on paper of
// the document's orientation. `progress(done, total)` runs after each page;
// returning false aborts the job.
bool printPages(const Document &doc, QPrinter &printer,
                const std::function<bool(int done, int total)> &progress = {});

} // namespace reports
