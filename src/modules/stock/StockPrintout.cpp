#include "modules/stock/StockPrintout.h"
#include "framework/ErrorDisplay.h"
#include "session/Database.h"
#include "widgets/Format.h"

#include <cmath>

namespace stock {

using reports::Band;
using reports::Row;

const QColor StockPrintout::kShade = QColor::fromRgb(0xE0, 0xE0, 0xE0);

namespace {

const double kHeadingRow = 20;
const double kLine = 18;

} // namespace

StockPrintout::StockPrintout(StockPrintoutSpec spec) : TfrmZZP020(spec.programId), m_spec(std::move(spec))
{
    setTitle(m_spec.title);
    double total = 0;
    for (const PrintColumn &c : m_spec.columns)
        total += c.width;
    QVector<double> x, widths;
    double at = 0;
    for (const PrintColumn &c : m_spec.columns) {
        x << at;
        widths << c.width / total * bandWidth();
        at += widths.back();
    }
    const double third = bandWidth() / 3;
    for (int i = 0; i < 3; ++i) {
        static const char *const names[] = {"qrlYYMM", "qrlSTRG", "qrlDIVIDE"};
        qrbHeader->label(QString::fromLatin1(names[i]), QRectF(i * third, 48, third, 18), QString())
            .font(reports::reportFont(QStringLiteral("굴림"), 10));
    }
    buildHeadings(x, widths);
    buildDetail(x, widths);
    buildSummary(x, widths);
    report.beforePrint = [this](reports::Report &) { m_sums.fill(0); };
}

void StockPrintout::setConditions(const QString &month, const QString &warehouse, const QString &classes)
{
    report.element(QStringLiteral("qrlYYMM")).setText(QStringLiteral("◆년    월 : ") + month);
    report.element(QStringLiteral("qrlSTRG")).setText(QStringLiteral("◆창    고 : ") + warehouse);
    report.element(QStringLiteral("qrlDIVIDE")).setText(classes.isEmpty() ? QString() : QStringLiteral("◆품목유형 : ") + classes);
}

void StockPrintout::buildHeadings(const QVector<double> &x, const QVector<double> &widths)
{
    Band &heading = report.columnHeader(int(2 * kHeadingRow));
    const QFont bold = reports::reportPixelFont(QStringLiteral("굴림"), 12, true);
    QVector<bool> grouped(m_spec.columns.size(), false);
    for (const PrintGroup &g : m_spec.groups) {
        const double w = x[g.last] + widths[g.last] - x[g.first];
        heading.label(QStringLiteral("qrlGroup%1").arg(g.first), QRectF(x[g.first], 0, w, kHeadingRow), g.title)
            .font(bold).align(Qt::AlignCenter).frame(0xF).fill(QColor(230, 230, 230));
        for (int c = g.first; c <= g.last; ++c)
            grouped[c] = true;
    }
    for (int c = 0; c < m_spec.columns.size(); ++c) {
        const double top = grouped[c] ? kHeadingRow : 0;
        heading.label(QStringLiteral("qrlTitle_") + m_spec.columns[c].field,
                      QRectF(x[c], top, widths[c], 2 * kHeadingRow - top), m_spec.columns[c].title)
            .font(bold).align(Qt::AlignCenter).frame(0xF).fill(QColor(230, 230, 230));
    }
}

void StockPrintout::buildDetail(const QVector<double> &x, const QVector<double> &widths)
{
    Band &line = report.detail(int(kLine));
    const QFont font = reports::reportPixelFont(QStringLiteral("굴림"), 11);
    line.shape(QStringLiteral("qrsLine"), QRectF(0, 0, bandWidth(), kLine)).pen(Qt::NoPen).fill(Qt::white);
    for (int c = 0; c < m_spec.columns.size(); ++c) {
        const PrintColumn &col = m_spec.columns[c];
        const QRectF cell(x[c] + 1, 0, widths[c] - 2, kLine);
        const bool blankable = m_spec.blankWithoutCost.contains(c);
        if (col.format.isEmpty()) {
            line.text(QStringLiteral("qrd") + col.field, cell, col.field).font(font).align(Qt::AlignLeft | Qt::AlignVCenter);
        } else if (blankable) {
            line.expression(QStringLiteral("qrd") + col.field, cell, [this, col](const Row &row) {
                return row.text(m_spec.costField).isEmpty() || row.number(m_spec.costField) == 0
                           ? QString() : widgets::formatNumber(row.number(col.field), col.format);
            }).font(font).align(Qt::AlignRight | Qt::AlignVCenter);
        } else {
            line.text(QStringLiteral("qrd") + col.field, cell, col.field).format(col.format).font(font)
                .align(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    line.beforePrint = [](Band &band, const Row &row) {
        band[QStringLiteral("qrsLine")].fill(row.line() % 2 == 0 ? kShade : QColor(Qt::white));
    };
    line.afterPrint = [this](Band &, const Row &row) {
        for (int i = 0; i < m_spec.sums.size(); ++i)
            m_sums[i] += std::llround(row.number(m_spec.columns[m_spec.sums[i]].field) * 10000);
    };
}

void StockPrintout::buildSummary(const QVector<double> &x, const QVector<double> &widths)
{
    m_sums.resize(m_spec.sums.size());
    Band &end = report.summary(int(kLine + 6));
    const QFont bold = reports::reportPixelFont(QStringLiteral("굴림"), 12, true);
    end.line(QStringLiteral("qrsTotalLine"), QLineF(0, 1, bandWidth(), 1)).pen(QPen(Qt::black, 1));
    end.label(QStringLiteral("qrlTotal"), QRectF(0, 4, x.value(4, bandWidth() / 4), kLine), QStringLiteral("[ 합    계 ]"))
        .font(bold).align(Qt::AlignCenter);
    for (int i = 0; i < m_spec.sums.size(); ++i) {
        const int c = m_spec.sums[i];
        end.label(QStringLiteral("qrlSum_") + m_spec.columns[c].field, QRectF(x[c] + 1, 4, widths[c] - 2, kLine), QString())
            .font(reports::reportPixelFont(QStringLiteral("굴림"), 11, true)).align(Qt::AlignRight | Qt::AlignVCenter);
    }
    end.beforePrint = [this](Band &band, const Row &) {
        for (int i = 0; i < m_spec.sums.size(); ++i) {
            const PrintColumn &col = m_spec.columns[m_spec.sums[i]];
            band[QStringLiteral("qrlSum_") + col.field].setText(
                widgets::formatNumber(double(m_sums[i]) / 10000, col.format.isEmpty() ? QStringLiteral("#,##0") : col.format));
        }
    };
}

reports::Document StockPrintout::open(db::Connection &conn, const QString &sql, const Params &params)
{
    qryQuery = sql;
    openQuery(conn, params);
    return prepare();
}

bool StockPrintout::Execute(const QString &sql, const Params &params, bool toPreview, QWidget *parent)
{
    bool done = false;
    RunUserAction([&] {
        qryQuery = sql;
        openQuery(params);
        done = printOrPreview(toPreview, parent);
    });
    return done;
}

namespace {

const QString kQty = QStringLiteral("#,##0.0");
const QString kAmt = QStringLiteral("#,##0");
const QString kCost = QStringLiteral("#,##0.0000");

QVector<PrintColumn> itemColumns()
{
    return {{QStringLiteral("ITEM_CODE"), QStringLiteral("품목코드"), 6},
            {QStringLiteral("ITEM_NAME"), QStringLiteral("품 목 명"), 12},
            {QStringLiteral("ITEM_STANDARD1"), QStringLiteral("규    격"), 7},
            {QStringLiteral("SOOBUL_UNIT_NM"), QStringLiteral("단위"), 3}};
}

StockPrintoutSpec monthSummary(const char *programId, const char *title)
{
    StockPrintoutSpec s{QString::fromLatin1(programId), QString::fromUtf8(title), itemColumns()};
    s.columns += {{QStringLiteral("OVER_QTY"), QStringLiteral("수량"), 6, kQty},
                  {QStringLiteral("OVER_AMT"), QStringLiteral("금  액"), 8, kAmt},
                  {QStringLiteral("CURR_PUT_QTY"), QStringLiteral("입고"), 6, kQty},
                  {QStringLiteral("CURR_DELI_QTY"), QStringLiteral("출고"), 6, kQty},
                  {QStringLiteral("CURR_RETU_QTY"), QStringLiteral("반품"), 6, kQty},
                  {QStringLiteral("MOVE_PUT_QTY"), QStringLiteral("입고"), 6, kQty},
                  {QStringLiteral("MOVE_DELI_QTY"), QStringLiteral("출고"), 6, kQty},
                  {QStringLiteral("STOC_QTY"), QStringLiteral("현재고"), 6, kQty},
                  {QStringLiteral("STOCK_COST"), QStringLiteral("단  가"), 10, kCost},
                  {QStringLiteral("STOC_AMT"), QStringLiteral("재고금액"), 9, kAmt}};
    s.groups = {{QStringLiteral("전월재고"), 4, 5}, {QStringLiteral("이동/불출"), 9, 10}};
    s.sums = {4, 6, 7, 11, 13};
    return s;
}

} // namespace

StockPrintoutSpec OEP020() { return monthSummary("OEP020", "창고별 재고 집계표"); }

StockPrintoutSpec OEP030()
{
    StockPrintoutSpec s = monthSummary("OEP030", "품목별 재고 집계표");
    s.blankWithoutCost = {12, 13};
    s.costField = QStringLiteral("STOCK_COST");
    return s;
}

StockPrintoutSpec OEP050()
{
    StockPrintoutSpec s{QStringLiteral("OEP050"), QStringLiteral("재고수불명세서"), itemColumns()};
    const char *const parts[][4] = {{"전월재고", "OVER_QTY", "수량", "OVER_AMT"},   {"당월입고", "PUT_QTY", "수량", "PUT_AMT"},
                                    {"당월출고", "DELI_QTY", "수량", "DELI_AMT"},   {"이동입고", "MOVE_IN_QTY", "입고", "MOVE_IN_AMT"},
                                    {"이동출고", "MOVE_OUT_QTY", "출고", "MOVE_OUT_AMT"}, {"당월재고", "STOC_QTY", "수량", "STOC_AMT"}};
    for (const auto &p : parts) {
        const int first = int(s.columns.size());
        s.columns.append({QString::fromLatin1(p[1]), QString::fromUtf8(p[2]), 5, kQty});
        if (QByteArray(p[1]) == "STOC_QTY")
            s.columns.append({QStringLiteral("STOCK_COST"), QStringLiteral("단  가"), 10, kCost});
        s.sums.append(int(s.columns.size()));
        s.columns.append({QString::fromLatin1(p[3]), QStringLiteral("금  액"), 8, kAmt});
        s.groups.append({QString::fromUtf8(p[0]), first, int(s.columns.size()) - 1});
    }
    return s;
}

StockPrintoutSpec OEP060()
{
    StockPrintoutSpec s{QStringLiteral("OEP060"), QStringLiteral("창고별 수불금액 집계표"),
                        {{QStringLiteral("STRG_CODE"), QStringLiteral("코드"), 5},
                         {QStringLiteral("STRG_NAME"), QStringLiteral("창 고 명"), 14},
                         {QStringLiteral("OVER_AMT"), QStringLiteral("전월재고금액"), 9, kAmt},
                         {QStringLiteral("PUT_AMT"), QStringLiteral("당월입고금액"), 9, kAmt},
                         {QStringLiteral("DELI_AMT"), QStringLiteral("당월출고금액"), 9, kAmt},
                         {QStringLiteral("MOVE_IN_AMT"), QStringLiteral("이동입고금액"), 9, kAmt},
                         {QStringLiteral("MOVE_OUT_AMT"), QStringLiteral("이동출고금액"), 9, kAmt},
                         {QStringLiteral("STOC_AMT"), QStringLiteral("재고금액"), 9, kAmt}}};
    s.sums = {2, 3, 4, 5, 6, 7};
    return s;
}

} // namespace stock
