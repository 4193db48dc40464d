#include "framework/ExcelExport.h"
#include "framework/ZZI000.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Format.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QIODevice>
#include <QUrl>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <stdexcept>
#include <xlsxwriter.h>

namespace excel {
namespace {

// CP949 through the C library's converter; one per export, since opening it
// costs far more than a cell.
class Cp949Encoder {
public:
    Cp949Encoder()
        : m_cd(iconv_open("CP949", QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE"))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("the C library has no CP949 converter");
    }
    ~Cp949Encoder() { iconv_close(m_cd); }
    Cp949Encoder(const Cp949Encoder &) = delete;
    Cp949Encoder &operator=(const Cp949Encoder &) = delete;

    // The bytes of `text` into `out`; a character CP949 lacks becomes '?'.
    void encode(const QString &text, QByteArray &out)
    {
        const char16_t *units = reinterpret_cast<const char16_t *>(text.constData());
        const qsizetype count = text.size();
        qsizetype i = 0;
        while (i < count && units[i] < 0x80)
            ++i;
        if (i == count) {   // the common case of codes, numbers and dates
            out.resize(count);
            for (qsizetype k = 0; k < count; ++k)
                out[k] = char(units[k]);
            return;
        }
        // At most two bytes per UTF-16 unit; a pair that becomes '?' needs less.
        out.resize(count * 2);
        char *in = reinterpret_cast<char *>(const_cast<char16_t *>(units));
        size_t inLeft = size_t(count) * 2;
        char *o = out.data();
        size_t outLeft = size_t(out.size());
        while (inLeft > 0) {
            if (iconv(m_cd, &in, &inLeft, &o, &outLeft) != size_t(-1))
                break;
            if (errno != EILSEQ && errno != EINVAL)
                throw std::runtime_error(std::strerror(errno));
            char16_t unit;
            std::memcpy(&unit, in, 2);
            size_t skip = 2;
            if (QChar::isHighSurrogate(unit) && inLeft >= 4) {
                char16_t low;
                std::memcpy(&low, in + 2, 2);
                if (QChar::isLowSurrogate(low))
                    skip = 4;
            }
            in += skip;
            inLeft -= skip;
            *o++ = '?';
            --outLeft;
        }
        out.resize(o - out.data());
    }

private:
    iconv_t m_cd;
};

// Where the cells of a sheet go, row after row.
class CellSink {
public:
    virtual ~CellSink() = default;
    virtual void text(int row, int col, const QString &value) = 0;
    virtual void number(int row, int col, double value) = 0;
};

// The .xls record stream, gathered in chunks so that a large list costs few writes.
class BiffSheet final : public CellSink {
public:
    explicit BiffSheet(QIODevice &out) : m_out(out) { m_buf.reserve(kChunk + 256); }

    void begin()
    {
        header(0x0809, 8);
        put16(0);
        put16(0x0010);   // worksheet
        put16(0);
        put16(0);
        header(0x0042, 2);
        put16(949);
    }

    void text(int row, int col, const QString &value) override
    {
        m_codec.encode(value, m_bytes);
        // The record length is 16 bits; cut a longer text before a whole
        // character (a CP949 lead byte is 0x81 or above and takes two bytes).
        constexpr qsizetype maxBytes = 0xFFFF - 8;
        if (m_bytes.size() > maxBytes) {
            qsizetype end = 0;
            while (end < m_bytes.size()) {
                const qsizetype width = quint8(m_bytes.at(end)) >= 0x81 ? 2 : 1;
                if (end + width > maxBytes)
                    break;
                end += width;
            }
            m_bytes.truncate(end);
        }
        header(0x0204, quint16(8 + m_bytes.size()));
        put16(quint16(row));
        put16(quint16(col));
        put16(0);
        put16(quint16(m_bytes.size()));
        m_buf.append(m_bytes);
        maybeFlush();
    }

    void number(int row, int col, double value) override
    {
        header(0x0203, 14);
        put16(quint16(row));
        put16(quint16(col));
        put16(0);
        char bytes[8];
        qToLittleEndian(value, bytes);
        m_buf.append(bytes, 8);
        maybeFlush();
    }

    void finish()
    {
        header(0x000A, 0);
        flush();
    }

private:
    static constexpr qsizetype kChunk = 64 * 1024;

    void header(quint16 type, quint16 length)
    {
        put16(type);
        put16(length);
    }
    void put16(quint16 value)
    {
        char bytes[2];
        qToLittleEndian(value, bytes);
        m_buf.append(bytes, 2);
    }
    void maybeFlush()
    {
        if (m_buf.size() >= kChunk)
            flush();
    }
    void flush()
    {
        if (!m_buf.isEmpty() && m_out.write(m_buf) != m_buf.size())
            throw std::runtime_error(m_out.errorString().toStdString());
        m_buf.clear();
    }

    QIODevice &m_out;
    QByteArray m_buf;
    QByteArray m_bytes;
    Cp949Encoder m_codec;
};

// An .xlsx workbook of one sheet. In constant-memory mode each row goes to
// a temporary file once the next row begins, so rows come in order and the
// memory does not grow with the list.
class XlsxSheet final : public CellSink {
public:
    explicit XlsxSheet(const QString &path) : m_path(QFile::encodeName(path))
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        m_book = workbook_new_opt(m_path.constData(), &options);
        if (!m_book)
            throw std::runtime_error("cannot create the workbook");
        m_sheet = workbook_add_worksheet(m_book, nullptr);
        if (!m_sheet)
            throw std::runtime_error("cannot add the worksheet");
    }
    ~XlsxSheet() override
    {
        if (m_book)
            workbook_close(m_book);   // after a failure: what was written stays
    }
    XlsxSheet(const XlsxSheet &) = delete;
    XlsxSheet &operator=(const XlsxSheet &) = delete;

    void text(int row, int col, const QString &value) override
    {
        if (value.isEmpty())
            return;
        // A cell holds at most 32,767 characters; cut before a whole one.
        constexpr qsizetype maxChars = 32767;
        qsizetype length = qMin(value.size(), maxChars);
        if (length < value.size() && value.at(length - 1).isHighSurrogate())
            --length;
        check(worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(col), value.left(length).toUtf8().constData(),
                                     nullptr));
    }

    void number(int row, int col, double value) override
    {
        check(worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(col), value, nullptr));
    }

    void finish()
    {
        lxw_workbook *book = std::exchange(m_book, nullptr);
        check(workbook_close(book));
    }

private:
    static void check(lxw_error error)
    {
        if (error != LXW_NO_ERROR)
            throw std::runtime_error(lxw_strerror(error));
    }

    QByteArray m_path;
    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
};

constexpr int kTitleRow = 0;
constexpr int kHeadingRow = 2;
constexpr int kFirstDataRow = 3;

// The shown columns in the order the user sees them.
QVector<int> shownColumns(const widgets::GridBase &grid)
{
    QVector<int> shown;
    const QHeaderView *header = grid.horizontalHeader();
    const int count = grid.columnCount();
    const bool mapped = header && header->count() == count;
    for (int v = 0; v < count; ++v) {
        const int col = mapped ? header->logicalIndex(v) : v;
        if (grid.isColumnVisible(col))
            shown.append(col);
    }
    return shown;
}

QStringList titlesOf(const widgets::GridBase &grid, const QVector<int> &cols)
{
    QStringList titles;
    for (int col : cols)
        titles.append(grid.column(col).title);
    return titles;
}

// A field's cell as the data-bound grid and the record set write it: number
// fields as numbers (an empty one as 0), all others as their display text.
void fieldCell(CellSink &w, int sheetRow, int sheetCol, const widgets::RecordSet &records, int row, int field)
{
    if (field < 0)
        w.text(sheetRow, sheetCol, QString());
    else if (records.field(field).kind == widgets::FieldKind::Number)
        w.number(sheetRow, sheetCol, widgets::numberOf(records.at(row, field)));
    else
        w.text(sheetRow, sheetCol, records.displayText(row, field));
}

// A list as its sheet shows it: the headings and, row by row, the cells.
struct SheetSource {
    QStringList headings;
    int rows = 0;
    std::function<void(CellSink &, int sheetRow, int row)> writeRow;
};

SheetSource sourceOf(const widgets::RecordSet &records, const QVector<int> &fields, QStringList headings)
{
    return {std::move(headings), records.recordCount(), [&records, fields](CellSink &w, int sheetRow, int row) {
                for (int c = 0; c < fields.size(); ++c)
                    fieldCell(w, sheetRow, c, records, row, fields.at(c));
            }};
}

SheetSource sourceOf(const widgets::DataGrid &grid)
{
    const QVector<int> cols = shownColumns(grid);
    const widgets::RecordSet *records = grid.recordSet();
    if (!records)
        return {titlesOf(grid, cols), 0, {}};
    QVector<int> fields;
    for (int col : cols)
        fields.append(records->fieldIndex(grid.column(col).field));
    return sourceOf(*records, fields, titlesOf(grid, cols));
}

SheetSource sourceOf(const widgets::RecordSet &records)
{
    QVector<int> fields;
    QStringList names;
    for (int f = 0; f < records.fieldCount(); ++f) {
        fields.append(f);
        names.append(records.field(f).name);
    }
    return sourceOf(records, fields, names);
}

SheetSource sourceOf(const widgets::PlainGrid &grid)
{
    const QVector<int> cols = shownColumns(grid);
    // The program fills these cells with text: whatever reads as a number,
    // thousands separators and all, goes out as one.
    return {titlesOf(grid, cols), grid.rowCount(), [&grid, cols](CellSink &w, int sheetRow, int row) {
                for (int c = 0; c < cols.size(); ++c) {
                    const QString text = grid.cells(cols.at(c), row);
                    bool isNumber = false;
                    widgets::parseNumber(text, &isNumber);
                    if (isNumber)
                        w.number(sheetRow, c, grid.cellNumber(cols.at(c), row));
                    else
                        w.text(sheetRow, c, text);
                }
            }};
}

int writeCells(CellSink &w, const QString &title, const SheetSource &source, int maxRows)
{
    w.text(kTitleRow, 0, title);
    for (int c = 0; c < source.headings.size(); ++c)
        w.text(kHeadingRow, c, source.headings.at(c));
    const int rows = qMin(source.rows, maxRows);
    for (int r = 0; r < rows; ++r)
        source.writeRow(w, kFirstDataRow + r, r);
    return rows;
}

int writeXls(QIODevice &out, const QString &title, const SheetSource &source)
{
    BiffSheet w(out);
    w.begin();
    const int rows = writeCells(w, title, source, kMaxDataRows);
    w.finish();
    return rows;
}

int writeXlsxFile(const QString &path, const QString &title, const SheetSource &source)
{
    XlsxSheet w(path);
    const int rows = writeCells(w, title, source, kMaxXlsxDataRows);
    w.finish();
    return rows;
}

FileOpener &opener()
{
    static FileOpener current;
    return current;
}

} // namespace

int maxDataRows(Format format) { return format == Format::Xlsx ? kMaxXlsxDataRows : kMaxDataRows; }

Format formatOf(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ? Format::Xlsx : Format::Xls;
}

QString withExtension(const QString &fileName, Format format)
{
    const QString wanted = format == Format::Xlsx ? QStringLiteral(".xlsx") : QStringLiteral(".xls");
    const qsizetype slash = qMax(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString base = dot > slash ? fileName.left(dot) : fileName;
    const QString ext = dot > slash ? fileName.mid(dot) : QString();
    if (ext.compare(wanted, Qt::CaseInsensitive) == 0)
        return fileName;
    return base + wanted;
}

QString sheetTitle(const QString &caption, const QString &subtitle)
{
    if (subtitle.isEmpty())
        return caption;
    if (caption.isEmpty())
        return subtitle;
    return caption + QStringLiteral(" - ") + subtitle;
}

QString screenCaption(const TfrmZZI000 *screen)
{
    if (!screen)
        return QString();
    return screen->windowTitle().isEmpty() ? screen->objectName() : screen->windowTitle();
}

int writeSheet(QIODevice &out, const QString &title, const widgets::DataGrid &grid)
{
    return writeXls(out, title, sourceOf(grid));
}

int writeSheet(QIODevice &out, const QString &title, const widgets::PlainGrid &grid)
{
    return writeXls(out, title, sourceOf(grid));
}

int writeSheet(QIODevice &out, const QString &title, const widgets::RecordSet &records)
{
    return writeXls(out, title, sourceOf(records));
}

int writeXlsx(const QString &path, const QString &title, const widgets::DataGrid &grid)
{
    return writeXlsxFile(path, title, sourceOf(grid));
}

int writeXlsx(const QString &path, const QString &title, const widgets::PlainGrid &grid)
{
    return writeXlsxFile(path, title, sourceOf(grid));
}

int writeXlsx(const QString &path, const QString &title, const widgets::RecordSet &records)
{
    return writeXlsxFile(path, title, sourceOf(records));
}

FileOpener setFileOpener(FileOpener opener)
{
    FileOpener previous = std::move(excel::opener());
    excel::opener() = std::move(opener);
    return previous;
}

} // namespace excel

namespace {

TfrmZZI000 *screenOf(const QObject *source)
{
    for (QObject *o = const_cast<QObject *>(source); o; o = o->parent()) {
        if (auto *screen = qobject_cast<TfrmZZI000 *>(o))
            return screen;
    }
    return nullptr;
}

void showStatus(TfrmZZI000 *screen, const QString &text)
{
    if (screen)
        screen->ShowStatus(text);
}

bool hasData(const widgets::RecordSet *records, TfrmZZI000 *screen)
{
    if (records && records->fieldCount() > 0)
        return true;
    showStatus(screen, QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오."));
    return false;
}

// A list longer than an .xls sheet holds: say so and offer .xlsx. True
// when the user takes it.
bool takesXlsx(int rows)
{
    const QString all = widgets::formatNumber(rows, QStringLiteral("#,##0"));
    const QString fits = widgets::formatNumber(excel::kMaxDataRows, QStringLiteral("#,##0"));
    return dialogs().message(MessageKind::Question, QStringLiteral("Excel"),
                             QStringLiteral("조회된 자료 ") + all + QStringLiteral("건은 .xls 파일에 다 들어가지 않습니다(최대 ")
                                 + fits + QStringLiteral("건).\n\n.xlsx 파일로 저장할까요?\n(아니오: 앞의 ") + fits
                                 + QStringLiteral("건만 .xls 파일로 저장합니다.)"));
}

int writeFile(const QString &fileName, excel::Format format, const QString &title, const excel::SheetSource &source)
{
    if (format == excel::Format::Xlsx)
        return excel::writeXlsxFile(fileName, title, source);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error(file.errorString().toStdString());
    const int rows = excel::writeXls(file, title, source);
    if (!file.flush())
        throw std::runtime_error(file.errorString().toStdString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error(file.errorString().toStdString());
    return rows;
}

// The dialogs around writing: file name and format, the offer of .xlsx for
// a long list, the overwrite question, the write itself, the error box and
// the offer to open the file.
bool exportWith(TfrmZZI000 *screen, const QString &subtitle, const excel::SheetSource &source)
{
    QString proposed = screen ? screen->statusText(0) : QString();
    if (proposed.isEmpty())
        proposed = QStringLiteral("Temp");
    QString fileName = dialogs().saveFileName(screen, QString(), proposed,
                                              QStringLiteral("Excel 파일(*.xls);;Excel 통합 문서(*.xlsx)"));
    if (fileName.isEmpty()) {
        showStatus(screen, QStringLiteral("저장할 파일 이름을 지정하지 않았습니다."));
        return false;
    }
    excel::Format format = excel::formatOf(fileName);
    if (format == excel::Format::Xls && source.rows > excel::kMaxDataRows && takesXlsx(source.rows))
        format = excel::Format::Xlsx;
    fileName = excel::withExtension(fileName, format);
    const QString shownName = QDir::toNativeSeparators(fileName);
    if (QFileInfo::exists(fileName)
        && !dialogs().message(MessageKind::Question, QStringLiteral("덮어쓰기"),
                              QStringLiteral("이미 존재하는 파일(") + shownName
                                  + QStringLiteral(") 입니다.\n\n새 내용으로 덮어쓸까요?")))
        return false;

    int written = 0;
    try {
        written = writeFile(fileName, format, excel::sheetTitle(excel::screenCaption(screen), subtitle), source);
    } catch (const std::exception &) {
        // What was written so far stays on the disk.
        dialogs().message(MessageKind::Error, QStringLiteral("저장오류"), QStringLiteral("Excel 파일로 저장할 수 없습니다."));
        return false;
    }
    if (written < source.rows)
        showStatus(screen, QStringLiteral("전체 ") + widgets::formatNumber(source.rows, QStringLiteral("#,##0"))
                               + QStringLiteral("건 중 앞의 ") + widgets::formatNumber(written, QStringLiteral("#,##0"))
                               + QStringLiteral("건만 저장했습니다."));

    if (dialogs().message(MessageKind::Question, QStringLiteral("Excel"),
                          QStringLiteral("저장한 파일(") + shownName + QStringLiteral(")을 Excel로 불러 올까요?"))) {
        if (excel::opener())
            excel::opener()(fileName);
        else
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
    }
    return true;
}

} // namespace

bool ExportGridToExcel(const widgets::DataGrid *grid, const QString &subtitle, TfrmZZI000 *screen)
{
    if (!screen)
        screen = screenOf(grid);
    if (!grid || !hasData(grid->recordSet(), screen))
        return false;
    return exportWith(screen, subtitle, excel::sourceOf(*grid));
}

bool ExportGridToExcel(const widgets::PlainGrid *grid, const QString &subtitle, TfrmZZI000 *screen)
{
    if (!screen)
        screen = screenOf(grid);
    if (!grid)
        return false;
    return exportWith(screen, subtitle, excel::sourceOf(*grid));
}

bool ExportGridToExcel(const widgets::RecordSet *records, const QString &subtitle, TfrmZZI000 *screen)
{
    if (!screen)
        screen = screenOf(records);
    if (!hasData(records, screen))
        return false;
    return exportWith(screen, subtitle, excel::sourceOf(*records));
}
