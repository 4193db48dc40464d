#include "reports/Report.h"

#include "widgets/Format.h"
#include "widgets/RecordSet.h"

#include <QFontMetricsF>
#include <QHash>

#include <cmath>
#include <stdexcept>

namespace reports {

// ---------------------------------------------------------------- pages

const Item *Page::find(const QString &name) const
{
    for (const Item &item : items)
        if (item.name == name)
            return &item;
    return nullptr;
}

QString Page::text(const QString &name) const
{
    const Item *item = find(name);
    return item ? item->text : QString();
}

QStringList Page::texts() const
{
    QStringList list;
    for (const Item &item : items)
        if (item.kind == Item::Text)
            list.append(item.text);
    return list;
}

// ---------------------------------------------------------------- rows

QVariant Row::value(const QString &field) const
{
    return m_records ? m_records->value(m_index, field) : QVariant();
}

QString Row::text(const QString &field) const
{
    if (!m_records)
        return QString();
    return m_records->displayText(m_index, m_records->fieldIndex(field));
}

double Row::number(const QString &field) const { return widgets::numberOf(value(field)); }

// ---------------------------------------------------------------- elements

Element::Element(Kind kind, const QString &name, const QRectF &rect)
    : m_kind(kind), m_name(name), m_rect(rect)
{
}

Element &Element::font(const QFont &font)
{
    m_font = font;
    m_hasFont = true;
    return *this;
}

Element &Element::font(const QString &family, double pointSize, bool bold)
{
    return font(reportFont(family, pointSize, bold));
}

Element &Element::align(Qt::Alignment alignment)
{
    // A horizontal alignment alone keeps the text centred vertically.
    if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignVCenter;
    m_alignment = int(alignment);
    return *this;
}

Element &Element::wrap(bool on)
{
    m_wrap = on;
    return *this;
}

Element &Element::color(const QColor &color)
{
    m_color = color;
    return *this;
}

Element &Element::format(const QString &format)
{
    m_format = format;
    return *this;
}

Element &Element::stretch(bool on)
{
    m_stretch = on;
    return *this;
}

Element &Element::from(const widgets::RecordSet *records)
{
    m_from = records;
    return *this;
}

Element &Element::fill(const QColor &color)
{
    m_brush = QBrush(color);
    return *this;
}

Element &Element::pen(const QPen &pen)
{
    m_pen = pen;
    return *this;
}

Element &Element::rounded(double radius)
{
    m_radius = radius;
    return *this;
}

Element &Element::frame(int sides)
{
    m_frame = quint8(sides & FrameBox);
    return *this;
}

void Element::setText(const QString &text) { m_text = text; }

void Element::setImage(const QImage &image) { m_image = image; }

// ---------------------------------------------------------------- bands

double Band::width() const { return m_report->printArea().width(); }

Element &Band::add(Element::Kind kind, const QString &name, const QRectF &rect)
{
    m_elements.push_back(std::unique_ptr<Element>(new Element(kind, name, rect)));
    return *m_elements.back();
}

Element &Band::label(const QString &name, const QRectF &rect, const QString &text)
{
    Element &e = add(Element::Label, name, rect);
    e.m_text = text;
    return e;
}

Element &Band::text(const QString &name, const QRectF &rect, const QString &field)
{
    Element &e = add(Element::DataText, name, rect);
    e.m_text = field;
    return e;
}

Element &Band::expression(const QString &name, const QRectF &rect, std::function<QString(const Row &)> text)
{
    Element &e = add(Element::Computed, name, rect);
    e.m_compute = std::move(text);
    return e;
}

Element &Band::system(const QString &name, const QRectF &rect, SystemValue value)
{
    Element &e = add(Element::System, name, rect);
    e.m_system = value;
    return e;
}

Element &Band::shape(const QString &name, const QRectF &rect) { return add(Element::Shape, name, rect); }

Element &Band::line(const QString &name, const QLineF &line)
{
    return add(Element::LineShape, name, QRectF(line.p1(), line.p2()));
}

Element &Band::picture(const QString &name, const QRectF &rect, const QImage &image)
{
    Element &e = add(Element::Picture, name, rect);
    e.m_image = image;
    return e;
}

Element *Band::find(const QString &name)
{
    for (auto &e : m_elements)
        if (e->m_name == name)
            return e.get();
    return nullptr;
}

Element &Band::operator[](const QString &name)
{
    if (Element *e = find(name))
        return *e;
    throw std::out_of_range("no report element " + name.toStdString());
}

Band &Group::header(int height)
{
    if (!m_header)
        m_header.reset(new Band(m_report, BandKind::GroupHeader, 0));
    if (height >= 0)
        m_header->setHeight(height);
    return *m_header;
}

Band &Group::footer(int height)
{
    if (!m_footer)
        m_footer.reset(new Band(m_report, BandKind::GroupFooter, 0));
    if (height >= 0)
        m_footer->setHeight(height);
    return *m_footer;
}

SubDetail::SubDetail(Report *report, int height)
    : m_report(report), m_band(new Band(report, BandKind::SubDetail, height))
{
}

Band &SubDetail::header(int height)
{
    if (!m_header)
        m_header.reset(new Band(m_report, BandKind::GroupHeader, 0));
    if (height >= 0)
        m_header->setHeight(height);
    return *m_header;
}

Band &SubDetail::footer(int height)
{
    if (!m_footer)
        m_footer.reset(new Band(m_report, BandKind::GroupFooter, 0));
    if (height >= 0)
        m_footer->setHeight(height);
    return *m_footer;
}

// ---------------------------------------------------------------- report

Report::Report()
{
    installFontSubstitutes();
    m_font = reportPixelFont(QStringLiteral("굴림"), 13);
}

Report::~Report() = default;

void Report::setPage(QPageLayout::Orientation orientation, const QMarginsF &marginsMm)
{
    m_orientation = orientation;
    m_margins = marginsMm;
}

QSizeF Report::pageSize() const
{
    const QSizeF a4(210 * kPixelsPerMm, 297 * kPixelsPerMm);
    return m_orientation == QPageLayout::Portrait ? a4 : a4.transposed();
}

QRectF Report::printArea() const
{
    const QRectF page(QPointF(0, 0), pageSize());
    return page.marginsRemoved(m_margins * kPixelsPerMm);
}

void Report::setRecords(const widgets::RecordSet *records)
{
    m_records = records;
    m_rowCount = 0;
}

void Report::setRowCount(int rows)
{
    m_records = nullptr;
    m_rowCount = qMax(0, rows);
}

static bool isSingle(BandKind kind)
{
    switch (kind) {
    case BandKind::PageHeader:
    case BandKind::Title:
    case BandKind::ColumnHeader:
    case BandKind::Detail:
    case BandKind::Summary:
    case BandKind::PageFooter:
        return true;
    default:
        return false;
    }
}

Band &Report::band(BandKind kind, int height)
{
    if (!isSingle(kind))
        throw std::invalid_argument("group and sub-detail bands belong to their group or sub-detail");
    auto &slot = m_single[int(kind)];
    if (!slot)
        slot.reset(new Band(this, kind, 0));
    if (height >= 0)
        slot->setHeight(height);
    return *slot;
}

bool Report::hasBand(BandKind kind) const { return isSingle(kind) && m_single[int(kind)]; }

Group &Report::group(const QString &field)
{
    return group([field](const Row &row) { return row.value(field).toString(); });
}

Group &Report::group(std::function<QString(const Row &)> key)
{
    m_groups.push_back(std::unique_ptr<Group>(new Group(this, std::move(key))));
    return *m_groups.back();
}

SubDetail &Report::subDetail(int height, const widgets::RecordSet *records, const QString &linkField)
{
    m_subDetails.push_back(std::unique_ptr<SubDetail>(new SubDetail(this, height)));
    SubDetail &s = *m_subDetails.back();
    s.m_records = records;
    s.m_link = linkField;
    return s;
}

SubDetail &Report::subDetail(int height, std::function<int(const Row &master)> open, const widgets::RecordSet *records)
{
    m_subDetails.push_back(std::unique_ptr<SubDetail>(new SubDetail(this, height)));
    SubDetail &s = *m_subDetails.back();
    s.m_records = records;
    s.m_open = std::move(open);
    return s;
}

Element *Report::findElement(const QString &name)
{
    auto look = [&](Band *b) -> Element * { return b ? b->find(name) : nullptr; };
    for (auto &b : m_single)
        if (Element *e = look(b.get()))
            return e;
    for (auto &g : m_groups) {
        if (Element *e = look(g->m_header.get()))
            return e;
        if (Element *e = look(g->m_footer.get()))
            return e;
    }
    for (auto &s : m_subDetails) {
        for (Band *b : {s->m_header.get(), s->m_band.get(), s->m_footer.get()})
            if (Element *e = look(b))
                return e;
    }
    return nullptr;
}

Element &Report::element(const QString &name)
{
    if (Element *e = findElement(name))
        return *e;
    throw std::out_of_range("no report element " + name.toStdString());
}

// ---------------------------------------------------------------- layout

// One prepare pass: walks the rows, places bands top-down and breaks pages
// where the next band would run into the page footer.
class Layout {
public:
    explicit Layout(Report &report);
    Document run();

private:
    enum class Mode { Flow, PageBand, Footer };

    void startPage();
    void finishPage();
    void place(Band *band, const Row &row, Mode mode = Mode::Flow);
    void printChildren(const Row &master);
    QString textOf(const Element &e, const Row &row);
    Band *single(BandKind kind) const { return m_report.m_single[int(kind)].get(); }

    Report &m_report;
    Document m_doc;
    QRectF m_area;
    double m_y = 0;
    double m_flowBottom = 0;
    bool m_fresh = true;          // nothing but page bands on the page yet
    Row m_current;
    QImage m_metrics;             // a 96-dpi device to measure text on
    QVector<QHash<QString, QVector<int>>> m_childIndex;   // per sub-detail with a link field
};

Layout::Layout(Report &report) : m_report(report), m_area(report.printArea()), m_metrics(1, 1, QImage::Format_RGB32)
{
    m_metrics.setDotsPerMeterX(qRound(kDpi / 0.0254));
    m_metrics.setDotsPerMeterY(qRound(kDpi / 0.0254));
    const Band *footer = single(BandKind::PageFooter);
    m_flowBottom = m_area.bottom() - (footer && footer->isEnabled() ? footer->height() : 0);
}

void Layout::startPage()
{
    m_doc.pages.append(Page());
    m_y = m_area.top();
    place(single(BandKind::PageHeader), m_current, Mode::PageBand);
    if (m_doc.pages.size() == 1)
        place(single(BandKind::Title), m_current, Mode::PageBand);
    place(single(BandKind::ColumnHeader), m_current, Mode::PageBand);
    m_fresh = true;
}

void Layout::finishPage() { place(single(BandKind::PageFooter), m_current, Mode::Footer); }

QString Layout::textOf(const Element &e, const Row &row)
{
    switch (e.m_kind) {
    case Element::Label:
        return e.m_text;
    case Element::Computed:
        return e.m_compute ? e.m_compute(row) : QString();
    case Element::DataText: {
        const widgets::RecordSet *set = row.records();
        int index = row.index();
        if (e.m_from) {
            set = e.m_from;
            index = set->currentRow() >= 0 ? set->currentRow() : 0;
        }
        if (!set)
            return QString();
        if (e.m_cachedSet != set) {
            e.m_cachedSet = set;
            e.m_cachedField = set->fieldIndex(e.m_text);
        }
        const int field = e.m_cachedField;
        if (field < 0 || index < 0 || index >= set->recordCount())
            return QString();
        const QString &format = e.m_format.isEmpty() ? set->field(field).format : e.m_format;
        return widgets::formatValue(set->at(index, field), format);
    }
    case Element::System:
        switch (e.m_system) {
        case SystemValue::PrintDate:
            return m_doc.printed.toString(e.m_format.isEmpty() ? QStringLiteral("yyyy-MM-dd") : e.m_format);
        case SystemValue::PrintDateTime:
            return m_doc.printed.toString(e.m_format.isEmpty() ? QStringLiteral("yyyy-MM-dd hh:mm:ss") : e.m_format);
        case SystemValue::LineNumber:
            return QString::number(row.line());
        case SystemValue::PageNumber:
        case SystemValue::PageCount:
            return QString();    // known only where the band lands
        }
        return QString();
    default:
        return QString();
    }
}

static bool isText(Element::Kind kind)
{
    return kind == Element::Label || kind == Element::DataText || kind == Element::Computed || kind == Element::System;
}

void Layout::place(Band *band, const Row &row, Mode mode)
{
    if (!band || !band->m_enabled)
        return;
    band->m_print = true;
    if (band->beforePrint)
        band->beforePrint(*band, row);
    if (!band->m_print)
        return;

    const QFont reportFont = m_report.m_font;
    const auto &elements = band->m_elements;
    QVector<QString> texts(int(elements.size()));
    double grow = 0;
    for (int i = 0; i < int(elements.size()); ++i) {
        const Element &e = *elements[i];
        if (!e.m_visible || !isText(e.m_kind))
            continue;
        texts[i] = textOf(e, row);
        if (e.m_stretch && !texts[i].isEmpty()) {
            const QFontMetricsF fm(e.m_hasFont ? e.m_font : reportFont, &m_metrics);
            const int flags = e.m_alignment | (e.m_wrap ? Qt::TextWordWrap : 0);
            const double width = e.m_rect.width() - (e.m_frame ? 2 * kCellPadding : 0);
            const double needed = std::ceil(fm.boundingRect(QRectF(0, 0, width, 1e6), flags, texts[i]).height());
            grow = qMax(grow, needed - e.m_rect.height());
        }
    }
    const double height = band->m_height + grow;

    if (mode == Mode::Flow && !m_fresh && m_y + height > m_flowBottom + 0.01) {
        finishPage();
        startPage();
    }
    const double top = mode == Mode::Footer ? m_area.bottom() - band->m_height : m_y;
    const double left = m_area.left();
    Page &page = m_doc.pages.last();
    const int pageNumber = int(m_doc.pages.size());

    for (int i = 0; i < int(elements.size()); ++i) {
        const Element &e = *elements[i];
        if (!e.m_visible)
            continue;
        QRectF rect = e.m_rect.translated(left, top);
        if (e.m_stretch && e.m_kind != Element::LineShape)
            rect.setHeight(rect.height() + grow);
        Item item;
        item.name = e.m_name;
        item.rect = rect;
        item.pen = e.m_pen;
        item.brush = e.m_brush;
        switch (e.m_kind) {
        case Element::Shape:
            item.kind = Item::Box;
            item.radius = e.m_radius;
            break;
        case Element::LineShape:
            item.kind = Item::Line;
            if (e.m_stretch)   // a vertical rule of a stretching row reaches the new bottom
                item.rect.setBottom(item.rect.bottom() + grow);
            break;
        case Element::Picture:
            if (e.m_image.isNull())
                continue;
            item.kind = Item::Picture;
            item.image = e.m_image;
            break;
        default:
            item.kind = Item::Text;
            item.text = texts[i];
            if (e.m_kind == Element::System && e.m_system == SystemValue::PageNumber)
                item.text = QString::number(pageNumber);
            item.pageCount = e.m_kind == Element::System && e.m_system == SystemValue::PageCount;
            if (item.text.isEmpty() && !item.pageCount && !e.m_frame && e.m_brush.style() == Qt::NoBrush)
                continue;
            item.font = e.m_hasFont ? e.m_font : reportFont;
            item.flags = e.m_alignment | (e.m_wrap ? Qt::TextWordWrap : 0);
            item.color = e.m_color;
            item.frame = e.m_frame;
            break;
        }
        page.items.append(std::move(item));
    }
    if (mode != Mode::Footer)
        m_y = top + height;
    if (mode == Mode::Flow)
        m_fresh = false;
    if (band->afterPrint)
        band->afterPrint(*band, row);
}

void Layout::printChildren(const Row &master)
{
    for (int s = 0; s < int(m_report.m_subDetails.size()); ++s) {
        SubDetail &sub = *m_report.m_subDetails[s];
        QVector<int> rows;
        if (!sub.m_link.isEmpty()) {
            rows = m_childIndex[s].value(master.value(sub.m_link).toString());
        } else if (sub.m_open) {
            const int count = sub.m_open(master);
            rows.reserve(count);
            for (int i = 0; i < count; ++i)
                rows.append(i);
        } else if (sub.m_records) {
            for (int i = 0; i < sub.m_records->recordCount(); ++i)
                rows.append(i);
        }
        if (rows.isEmpty())
            continue;
        place(sub.m_header.get(), Row(sub.m_records, rows.first(), 1, &master));
        Row child;
        for (int k = 0; k < rows.size(); ++k) {
            child = Row(sub.m_records, rows[k], k + 1, &master);
            place(sub.m_band.get(), child);
        }
        place(sub.m_footer.get(), child);
    }
}

Document Layout::run()
{
    m_doc.title = m_report.m_title;
    m_doc.orientation = m_report.m_orientation;
    m_doc.pageSize = m_report.pageSize();
    m_doc.printed = QDateTime::currentDateTime();

    const widgets::RecordSet *records = m_report.m_records;
    const int rows = records ? records->recordCount() : m_report.m_rowCount;
    if (rows == 0 && !m_report.m_printIfEmpty)
        return m_doc;

    // Children found by a link field are indexed once, in their set's order.
    m_childIndex.resize(int(m_report.m_subDetails.size()));
    for (int s = 0; s < int(m_report.m_subDetails.size()); ++s) {
        const SubDetail &sub = *m_report.m_subDetails[s];
        if (sub.m_link.isEmpty() || !sub.m_records)
            continue;
        const int field = sub.m_records->fieldIndex(sub.m_link);
        for (int i = 0; i < sub.m_records->recordCount(); ++i)
            m_childIndex[s][sub.m_records->value(i, field).toString()].append(i);
    }

    const auto &groups = m_report.m_groups;
    const int levels = int(groups.size());
    QStringList keys(levels);
    Row previous;
    m_current = rows > 0 ? Row(records, 0, 1) : Row();
    startPage();
    for (int i = 0; i < rows; ++i) {
        const Row row(records, i, i + 1);
        QStringList newKeys(levels);
        int changed = i == 0 ? 0 : levels;
        for (int g = 0; g < levels; ++g) {
            newKeys[g] = groups[g]->m_key(row);
            if (changed == levels && newKeys[g] != keys[g])
                changed = g;
        }
        if (i > 0)
            for (int g = levels - 1; g >= changed; --g)
                place(groups[g]->m_footer.get(), previous);
        m_current = row;
        for (int g = changed; g < levels; ++g) {
            if (i > 0 && g == changed && groups[g]->m_newPage && !m_fresh) {
                finishPage();
                startPage();
            }
            place(groups[g]->m_header.get(), row);
        }
        keys = newKeys;
        place(single(BandKind::Detail), row);
        printChildren(row);
        previous = row;
    }
    if (rows > 0)
        for (int g = levels - 1; g >= 0; --g)
            place(groups[g]->m_footer.get(), previous);
    place(single(BandKind::Summary), m_current);
    finishPage();

    const QString total = QString::number(m_doc.pages.size());
    for (Page &page : m_doc.pages)
        for (Item &item : page.items)
            if (item.pageCount) {
                item.text = total;
                item.pageCount = false;
            }
    return m_doc;
}

Document Report::prepare()
{
    installFontSubstitutes();
    if (beforePrint)
        beforePrint(*this);
    Layout layout(*this);
    Document doc = layout.run();
    m_lastPageCount = doc.pageCount();
    return doc;
}

// ---------------------------------------------------------------- fonts

QFont reportFont(const QString &family, double pointSize, bool bold)
{
    installFontSubstitutes();
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont reportPixelFont(const QString &family, int pixels, bool bold)
{
    installFontSubstitutes();
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void installFontSubstitutes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList gothic{QStringLiteral("NanumGothic"), QStringLiteral("NanumBarunGothic")};
    const QStringList coding{QStringLiteral("NanumGothicCoding"), QStringLiteral("NanumGothic")};
    const QStringList myeongjo{QStringLiteral("NanumMyeongjo"), QStringLiteral("NanumGothic")};
    const QStringList latin{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("NanumGothic")};
    for (const char *name : {"굴림", "돋움", "맑은 고딕", "Gulim", "Dotum"})
        QFont::insertSubstitutions(QString::fromUtf8(name), gothic);
    for (const char *name : {"굴림체", "돋움체", "GulimChe", "DotumChe"})
        QFont::insertSubstitutions(QString::fromUtf8(name), coding);
    for (const char *name : {"바탕", "바탕체", "궁서", "궁서체", "Batang"})
        QFont::insertSubstitutions(QString::fromUtf8(name), myeongjo);
    for (const char *name : {"Arial", "Tahoma", "MS Sans Serif"})
        QFont::insertSubstitutions(QString::fromUtf8(name), latin);
}

} // namespace reports
