#pragma once
// The "엑셀" button of list screens: the shown grid (or a record set) written
// into a spreadsheet file, then offered for opening. The save dialog offers
// .xls first and .xlsx second; the .xlsx file (Office Open XML, written row
// by row through libxlsxwriter with constant memory) holds the lists that
// an .xls file cannot.
//
// The .xls file is a plain stream of records, each a 16-bit type, a 16-bit data
// length and the data, little-endian:
//
//   0x0809  beginning of file: 0, 0x0010 (worksheet), 0, 0
//   0x0042  code page: 949. The texts are CP949 bytes; without this record
//           a reader outside a Korean Windows takes them for Latin-1.
//   0x0204  text cell: row, column, format 0, n, n bytes of CP949 text
//   0x0203  number cell: row, column, format 0, IEEE double
//   0x000A  end of file
//
// Both formats: row 0 holds the title (screen caption, " - ", subtitle), row 1 stays
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

enum class Format { Xls, Xlsx };

// The .xls row numbers are 16 bits wide: data rows past this many are not written.
constexpr int kMaxDataRows = 65536 - 3;
// The most rows an .xlsx sheet has, less the title and heading rows.
constexpr int kMaxXlsxDataRows = 1048576 - 3;
int maxDataRows(Format format);

// A name ending in ".xlsx" (any case) is an .xlsx file; any other an .xls one.
Format formatOf(const QString &fileName);
// The name with the extension of `format` in place of the one it has:
// "a.txt" → "a.xls", "a" → "a.xls"; a name already ending in it, in any
// case, stays as it is.
QString withExtension(const QString &fileName, Format format);

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

// The same sheets as an .xlsx file at `path`. Throw std::runtime_error when
// the file cannot be written. Return the number of data rows written.
int writeXlsx(const QString &path, const QString &title, const widgets::DataGrid &grid);
int writeXlsx(const QString &path, const QString &title, const widgets::PlainGrid &grid);
int writeXlsx(const QString &path, const QString &title, const widgets::RecordSet &records);

// Opens a written file with the program the desktop associates with it.
// Tests put their own opener in its place; an empty one restores the desktop's.
using FileOpener = std::function<void(const QString &path)>;
FileOpener setFileOpener(FileOpener opener);

} // namespace excel
