#pragma once
// The "엑셀" button of list screens: the shown grid (or a record set) written
// into an .xls file of binary worksheet records, then offered for opening.
//
// The file is a plain stream of records, each a 16-bit type, a 16-bit data
// length and the data, little-endian:
//
//   0x0809  beginning of file: 0, 0x0010 (worksheet), 0, 0
//   0x0042  code page: 949. The texts are CP949 bytes; without this record
//           a reader outside a Korean Windows takes them for Latin-1.
//   0x0204  text cell: row, column, format 0, n, n bytes of CP949 text
//   0x0203  number cell: row, column, format 0, IEEE double
//   0x000A  end of file
//
// Row 0 holds the title (screen caption, " - ", subtitle), row 1 stays
// empty, row 2 holds the headings and the data starts in row 3.

#include <QString>

#include <functional>

class QIODevice;
class QObject;
class TfrmZZI000;

namespace widgets {
class DataGrid;
class PlainGrid;
class RecordSet;
}

// The export of a list: asks for the file, writes it, offers to open it and
// reports in the screen's status bar. `screen` gives the caption of the title,
// the proposed file name (status panel 0) and the status bar; when null it
// is the nearest screen among the source's parents (there may be none).
// True when the file was written.
bool ExportGridToExcel(const widgets::DataGrid *grid, const QString &subtitle, TfrmZZI000 *screen = nullptr);
bool ExportGridToExcel(const widgets::PlainGrid *grid, const QString &subtitle, TfrmZZI000 *screen = nullptr);
bool ExportGridToExcel(const widgets::RecordSet *records, const QString &subtitle, TfrmZZI000 *screen = nullptr);

namespace excel {

// The row numbers are 16 bits wide: data rows past this many are not written.
constexpr int kMaxDataRows = 65536 - 3;

// "a.txt" → "a.xls", "a" → "a.xls"; a name already ending in ".xls" in any
// case stays as it is.
QString withXlsExtension(const QString &fileName);

// The caption, " - " and the subtitle; just the caption without a subtitle.
QString sheetTitle(const QString &caption, const QString &subtitle);

// The caption a screen shows: its window title, or its form name when it has
// none (as a form without a designed caption shows).
QString screenCaption(const TfrmZZI000 *screen);

// The sheet of each source written to `out`, without any dialog. Throw
// std::runtime_error when the device refuses the data. Return the number of
// data rows written.
int writeSheet(QIODevice &out, const QString &title, const widgets::DataGrid &grid);
int writeSheet(QIODevice &out, const QString &title, const widgets::PlainGrid &grid);
int writeSheet(QIODevice &out, const QString &title, const widgets::RecordSet &records);

// Opens a written file with the program the desktop associates with it.
// Tests put their own opener in its place; an empty one restores the desktop's.
using FileOpener = std::function<void(const QString &path)>;
FileOpener setFileOpener(FileOpener opener);

} // namespace excel
