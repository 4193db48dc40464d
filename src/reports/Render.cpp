#include "reports/Render.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>

namespace reports {

namespace {

// A painter resolves point sizes at its device's resolution and then scales
// them again by the page transform; dividing by that resolution first makes
// a 10-point text 10 points on paper and on screen alike.
class FontScaler {
public:
    explicit FontScaler(const QPainter &painter)
        : m_factor(kDpi / (painter.device() ? painter.device()->logicalDpiY() : kDpi)) {}
    const QFont &operator()(const QFont &font)
    {
        if (!(font == m_last)) {
            m_last = font;
            m_scaled = font;
            if (font.pointSizeF() > 0)
                m_scaled.setPointSizeF(font.pointSizeF() * m_factor);
        }
        return m_scaled;
    }

private:
    double m_factor;
    QFont m_last, m_scaled;
};

void drawFrame(QPainter &painter, const Item &item)
{
    const QRectF r = item.rect;
    painter.setPen(item.pen);
    if (item.frame & FrameTop)
        painter.drawLine(r.topLeft(), r.topRight());
    if (item.frame & FrameBottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    if (item.frame & FrameLeft)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (item.frame & FrameRight)
        painter.drawLine(r.topRight(), r.bottomRight());
}

// PDF files name each glyph's character for text extraction by the lowest
// code point the font maps to it, and the Nanum fonts map control codes to
// the blank: copied text would read "\x01" for every blank. Drawing the
// words one by one leaves the blanks to the extractor, which reads the gaps.
void drawWords(QPainter &painter, const QRectF &rect, int flags, QString text)
{
    text.replace(u'\n', QChar::LineSeparator);
    QTextOption option(Qt::Alignment(flags & Qt::AlignHorizontal_Mask));
    option.setWrapMode(flags & Qt::TextWordWrap ? QTextOption::WordWrap : QTextOption::ManualWrap);
    QTextLayout layout(text, painter.font(), painter.device());
    layout.setTextOption(option);
    layout.beginLayout();
    double height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    double top = rect.top();
    if (flags & Qt::AlignVCenter)
        top += (rect.height() - height) / 2;
    else if (flags & Qt::AlignBottom)
        top += rect.height() - height;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const double baseline = top + line.y() + line.ascent();
        const int end = line.textStart() + line.textLength();
        for (int k = line.textStart(); k < end;) {
            while (k < end && text.at(k).isSpace())
                ++k;
            int w = k;
            while (w < end && !text.at(w).isSpace())
                ++w;
            if (w > k)
                painter.drawText(QPointF(rect.left() + line.cursorToX(k), baseline), text.mid(k, w - k));
            k = w;
        }
    }
}

} // namespace

void drawPage(QPainter &painter, const Document &doc, int page, double scale)
{
    if (page < 0 || page >= doc.pages.size())
        return;
    painter.save();
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    FontScaler scaled(painter);
    const bool pdf = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
    for (const Item &item : doc.pages.at(page).items) {
        switch (item.kind) {
        case Item::Text:
            if (item.brush.style() != Qt::NoBrush)
                painter.fillRect(item.rect, item.brush);
            if (!item.text.isEmpty()) {
                // Framed cells keep their text off the rules.
                const QRectF textRect = item.frame ? item.rect.adjusted(kCellPadding, 0, -kCellPadding, 0) : item.rect;
                painter.setFont(scaled(item.font));
                painter.setPen(item.color);
                if (pdf && item.text.contains(u' '))
                    drawWords(painter, textRect, item.flags, item.text);
                else
                    painter.drawText(textRect, item.flags, item.text);
            }
            if (item.frame)
                drawFrame(painter, item);
            break;
        case Item::Box:
            painter.setPen(item.pen);
            painter.setBrush(item.brush);
            if (item.radius > 0)
                painter.drawRoundedRect(item.rect, item.radius, item.radius);
            else
                painter.drawRect(item.rect);
            break;
        case Item::Line:
            painter.setPen(item.pen);
            painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
            break;
        case Item::Picture: {
            QSizeF size = item.image.size();
            size.scale(item.rect.size(), Qt::KeepAspectRatio);
            QRectF target(QPointF(0, 0), size);
            target.moveCenter(item.rect.center());
            painter.drawImage(target, item.image);
            break;
        }
        }
    }
    painter.restore();
}

QImage pageImage(const Document &doc, int page, double scale)
{
    const QSize size = (doc.pageSize * scale).toSize();
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kDpi * scale / 0.0254));
    image.setDotsPerMeterY(qRound(kDpi * scale / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    drawPage(painter, doc, page, scale);
    return image;
}

bool writePdf(const Document &doc, const QString &fileName, QString *error)
{
    if (doc.isEmpty()) {
        if (error)
            *error = QStringLiteral("출력할 페이지가 없습니다.");
        return false;
    }
    QPdfWriter writer(fileName);
    writer.setTitle(doc.title);
    writer.setCreator(QStringLiteral("구매 자재 관리"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), doc.orientation, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("파일을 만들 수 없습니다: %1").arg(fileName);
        return false;
    }
    const double scale = writer.resolution() / kDpi;
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        drawPage(painter, doc, i, scale);
    }
    return painter.end();
}

bool printPages(const Document &doc, QPrinter &printer, const std::function<bool(int, int)> &progress)
{
    if (doc.isEmpty())
        return false;
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(doc.orientation);
    if (printer.docName().isEmpty())
        printer.setDocName(doc.title);
    int from = 1, to = doc.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = qMax(1, printer.fromPage());
        to = qMin(doc.pageCount(), qMax(from, printer.toPage()));
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double scale = painter.device()->logicalDpiX() / kDpi;
    const int total = to - from + 1;
    for (int p = from; p <= to; ++p) {
        if (p > from)
            printer.newPage();
        drawPage(painter, doc, p - 1, scale);
        if (progress && !progress(p - from + 1, total)) {
            printer.abort();
            painter.end();
            return false;
        }
    }
    return painter.end();
}

} // namespace reports
