#pragma once
// The banded report engine. A report is declared as bands of elements placed
// in pixels at 96 dpi on an A4 page, bound to a record set or to a number of
// rows. prepare() lays out every page into a Document (a display list per
// page) which the preview, the printer and the PDF writer draw.
//
//     reports::Report r;
//     r.setRecords(&lines);
//     auto &d = r.detail(20);
//     d.system("qrlNo", {0, 2, 30, 16}, reports::SystemValue::LineNumber);
//     d.text("qrdITEM_NAME", {34, 2, 200, 16}, "ITEM_NAME");
//     d.text("qrdAMT", {240, 2, 90, 16}, "AMT").format("#,##0").align(Qt::AlignRight | Qt::AlignVCenter);
//     reports::Document doc = r.prepare();

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

namespace widgets { class RecordSet; }

namespace reports {

// Band and element geometry is in pixels at 96 dpi; page margins in millimetres.
constexpr double kDpi = 96.0;
constexpr double kPixelsPerMm = kDpi / 25.4;
// Texts with a frame keep this many pixels between their text and the side rules.
constexpr double kCellPadding = 2;

// ---------------------------------------------------------------- prepared pages

// One thing drawn on a page, in page pixels (the paper's top-left corner is 0,0).
struct Item {
    enum Kind : quint8 { Text, Box, Line, Picture };
    Kind kind = Text;
    quint8 frame = 0;              // Frame sides around a text
    bool pageCount = false;        // text still to be replaced by the page count
    QString name;                  // the element's name, e.g. "qrlPageCurrent"
    QRectF rect;                   // a line runs from rect.topLeft() to rect.bottomRight()
    QString text;
    QFont font;
    int flags = 0;                 // Qt::Alignment | Qt::TextWordWrap
    QColor color;                  // text colour
    QPen pen;                      // outline of boxes, lines and text frames
    QBrush brush;                  // fill of boxes and texts
    double radius = 0;             // rounded box corners
    QImage image;
};

struct Page {
    QVector<Item> items;
    // The text of the first item of that name; empty when there is none.
    QString text(const QString &name) const;
    // Every text on the page in drawing order.
    QStringList texts() const;
    const Item *find(const QString &name) const;
};

// The prepared report: what preview, printing and PDF export draw.
struct Document {
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF pageSize;               // pixels
    QDateTime printed;             // when prepare() ran (the footers' date)
    QVector<Page> pages;
    int pageCount() const { return int(pages.size()); }
    bool isEmpty() const { return pages.isEmpty(); }
};

// ---------------------------------------------------------------- declaration

class Band;
class Report;

// The row a band prints for: a row of the report's record set, of a
// sub-detail's set, or a counted row when the report runs on a row count.
class Row {
public:
    Row() = default;
    Row(const widgets::RecordSet *records, int index, int line = 0, const Row *master = nullptr)
        : m_records(records), m_index(index), m_line(line), m_master(master) {}

    const widgets::RecordSet *records() const { return m_records; }
    int index() const { return m_index; }          // row of the set, -1 when none
    int line() const { return m_line; }            // 1, 2, 3 ... within its list
    bool isValid() const { return m_index >= 0; }
    const Row *master() const { return m_master; } // the master row of a sub-detail row

    QVariant value(const QString &field) const;
    QString text(const QString &field) const;      // display text under the field's format
    double number(const QString &field) const;     // 0 when empty or not a number

private:
    const widgets::RecordSet *m_records = nullptr;
    int m_index = -1;
    int m_line = 0;
    const Row *m_master = nullptr;
};

enum class SystemValue { PageNumber, PageCount, PrintDate, PrintDateTime, LineNumber };

enum FrameSide : quint8 { FrameTop = 1, FrameBottom = 2, FrameLeft = 4, FrameRight = 8, FrameBox = 15 };

class Element {
public:
    enum Kind { Label, DataText, Computed, System, Shape, LineShape, Picture };

    // Text appearance
    Element &font(const QFont &font);
    Element &font(const QString &family, double pointSize, bool bold = false);
    Element &align(Qt::Alignment alignment);
    Element &wrap(bool on = true);
    Element &color(const QColor &color);
    Element &format(const QString &format);          // display format of data texts and dates
    // Texts grow to hold their wrapped text; the band grows with them, and
    // every stretching element of the band (texts, shapes, lines) grows by
    // the same amount, so framed cells of a row stay even.
    Element &stretch(bool on = true);
    // Where data texts read: another set's current record instead of the band's row.
    Element &from(const widgets::RecordSet *records);
    // Shapes and frames
    Element &fill(const QColor &color);
    Element &pen(const QPen &pen);                   // Qt::NoPen for a shape without outline
    Element &rounded(double radius);
    Element &frame(int sides);                       // FrameSide flags around a text

    void setText(const QString &text);               // labels
    QString text() const { return m_text; }
    void setImage(const QImage &image);              // pictures
    void setVisible(bool visible) { m_visible = visible; }
    bool isVisible() const { return m_visible; }
    void setRect(const QRectF &rect) { m_rect = rect; }
    QRectF rect() const { return m_rect; }
    QString name() const { return m_name; }
    Kind kind() const { return m_kind; }

private:
    friend class Band;
    friend class Report;
    friend class Layout;
    Element(Kind kind, const QString &name, const QRectF &rect);

    Kind m_kind;
    QString m_name;
    QRectF m_rect;                 // band pixels; a line from topLeft to bottomRight
    QString m_text;                // label text or data field name
    QString m_format;
    SystemValue m_system = SystemValue::PageNumber;
    std::function<QString(const Row &)> m_compute;
    const widgets::RecordSet *m_from = nullptr;
    bool m_hasFont = false;
    QFont m_font;
    int m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wrap = false;
    bool m_stretch = false;
    bool m_visible = true;
    QColor m_color = Qt::black;
    QPen m_pen = QPen(Qt::black, 1);
    QBrush m_brush;
    double m_radius = 0;
    quint8 m_frame = 0;
    QImage m_image;
    mutable const widgets::RecordSet *m_cachedSet = nullptr;   // field index lookup cache
    mutable int m_cachedField = -1;
};

enum class BandKind { PageHeader, Title, ColumnHeader, GroupHeader, Detail, SubDetail, GroupFooter, Summary, PageFooter };

class Band {
public:
    using Event = std::function<void(Band &band, const Row &row)>;

    BandKind kind() const { return m_kind; }
    int height() const { return m_height; }
    void setHeight(int height) { m_height = height; }
    double width() const;                             // the page's printable width
    Report &report() const { return *m_report; }

    // Fixed text.
    Element &label(const QString &name, const QRectF &rect, const QString &text);
    // The value of a field of the row, under the element's format (or the field's).
    Element &text(const QString &name, const QRectF &rect, const QString &field);
    // Text computed from the row.
    Element &expression(const QString &name, const QRectF &rect, std::function<QString(const Row &)> text);
    // Page number, page count, print date, running line number.
    Element &system(const QString &name, const QRectF &rect, SystemValue value);
    // Rectangle, outlined with a 1-pixel black pen unless told otherwise.
    Element &shape(const QString &name, const QRectF &rect);
    Element &line(const QString &name, const QLineF &line);
    // Scaled into the rectangle keeping its proportions, centred.
    Element &picture(const QString &name, const QRectF &rect, const QImage &image);

    // The element of that name in this band; throws std::out_of_range when there is none.
    Element &operator[](const QString &name);
    Element *find(const QString &name);

    // Runs before the band is placed, each time it is: may set label texts,
    // add up sums, or call setPrintBand(false) to leave the band out this once.
    Event beforePrint;
    // Runs after the band was placed on a page.
    Event afterPrint;
    void setPrintBand(bool print) { m_print = print; }

    // A band switched off prints never (and takes no room).
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

private:
    friend class Report;
    friend class Group;
    friend class SubDetail;
    friend class Layout;
    Band(Report *report, BandKind kind, int height) : m_report(report), m_kind(kind), m_height(height) {}
    Element &add(Element::Kind kind, const QString &name, const QRectF &rect);

    Report *m_report;
    BandKind m_kind;
    int m_height;
    bool m_print = true;
    bool m_enabled = true;
    std::vector<std::unique_ptr<Element>> m_elements;
};

// Rows with the same key print between one header and one footer.
class Group {
public:
    Band &header(int height = -1);     // created on first use
    Band &footer(int height = -1);
    bool hasHeader() const { return bool(m_header); }
    bool hasFooter() const { return bool(m_footer); }
    // Each group after the first starts on a new page.
    void setNewPage(bool on) { m_newPage = on; }

private:
    friend class Report;
    friend class Layout;
    explicit Group(Report *report, std::function<QString(const Row &)> key) : m_report(report), m_key(std::move(key)) {}
    Report *m_report;
    std::function<QString(const Row &)> m_key;
    std::unique_ptr<Band> m_header, m_footer;
    bool m_newPage = false;
};

// Child rows printed under each detail row, with an optional header before
// the first child and footer after the last.
class SubDetail {
public:
    Band &band() { return *m_band; }
    Band &header(int height = -1);
    Band &footer(int height = -1);

private:
    friend class Report;
    friend class Layout;
    explicit SubDetail(Report *report, int height);
    Report *m_report;
    std::unique_ptr<Band> m_band, m_header, m_footer;
    const widgets::RecordSet *m_records = nullptr;
    QString m_link;
    std::function<int(const Row &master)> m_open;
};

class Report {
public:
    Report();
    ~Report();
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    // A4 in the orientation given; margins in millimetres.
    void setPage(QPageLayout::Orientation orientation, const QMarginsF &marginsMm = QMarginsF(15, 15, 10, 10));
    QPageLayout::Orientation orientation() const { return m_orientation; }
    QSizeF pageSize() const;                 // pixels
    QRectF printArea() const;                // pixels, inside the margins
    // The document's name: PDF title and preview caption.
    void setDocumentTitle(const QString &title) { m_title = title; }
    QString documentTitle() const { return m_title; }
    // The font of every element that has none of its own.
    void setFont(const QFont &font) { m_font = font; }
    QFont font() const { return m_font; }

    // What the detail band runs over: a record set, or a number of rows.
    void setRecords(const widgets::RecordSet *records);
    void setRowCount(int rows);
    const widgets::RecordSet *records() const { return m_records; }
    // Without rows the report still prints its title, headers, summary and footer.
    void setPrintIfEmpty(bool on) { m_printIfEmpty = on; }

    // The bands that exist once, created on first use; a height >= 0 sets it.
    Band &band(BandKind kind, int height = -1);
    Band &pageHeader(int height = -1) { return band(BandKind::PageHeader, height); }
    Band &title(int height = -1) { return band(BandKind::Title, height); }
    Band &columnHeader(int height = -1) { return band(BandKind::ColumnHeader, height); }
    Band &detail(int height = -1) { return band(BandKind::Detail, height); }
    Band &summary(int height = -1) { return band(BandKind::Summary, height); }
    Band &pageFooter(int height = -1) { return band(BandKind::PageFooter, height); }
    bool hasBand(BandKind kind) const;

    // Groups nest in the order they are added (the first is the outermost).
    Group &group(const QString &field);
    Group &group(std::function<QString(const Row &)> key);

    // Child rows of a record set whose `linkField` equals the master row's.
    SubDetail &subDetail(int height, const widgets::RecordSet *records, const QString &linkField);
    // Child rows given by `open`, which gets the master row, (re)fills
    // `records` if it uses one, and returns the number of child rows.
    SubDetail &subDetail(int height, std::function<int(const Row &master)> open,
                         const widgets::RecordSet *records = nullptr);

    // An element of any band by name; throws std::out_of_range when there is none.
    Element &element(const QString &name);
    Element *findElement(const QString &name);

    // Runs once at the start of every prepare(): reset sums here.
    std::function<void(Report &)> beforePrint;

    // Lays out every page. Page numbers and page counts are filled in.
    Document prepare();
    // Page count of the last prepare().
    int pageCount() const { return m_lastPageCount; }

private:
    friend class Band;
    friend class Layout;

    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QMarginsF m_margins = QMarginsF(15, 15, 10, 10);
    QString m_title;
    QFont m_font;
    const widgets::RecordSet *m_records = nullptr;
    int m_rowCount = 0;
    bool m_printIfEmpty = true;
    int m_lastPageCount = 0;
    std::unique_ptr<Band> m_single[9];
    std::vector<std::unique_ptr<Group>> m_groups;
    std::vector<std::unique_ptr<SubDetail>> m_subDetails;
};

// A font in the sizes the printouts use (points), e.g. reportFont("굴림", 10, true).
QFont reportFont(const QString &family, double pointSize, bool bold = false);
// A font sized in pixels of the page, e.g. the frames' 13-pixel report font.
QFont reportPixelFont(const QString &family, int pixels, bool bold = false);

// Maps the printouts' Windows font names onto installed fonts (Korean
// names to the Nanum families); idempotent, done by every Report.
void installFontSubstitutes();

} // namespace reports
