#include "modules/stock/OEP070.h"
#include "framework/ErrorDisplay.h"
#include "modules/stock/CostReport.h"
#include "session/Database.h"
#include "widgets/Format.h"

using reports::Band;
using reports::Row;

namespace {

const double kRow = 18;
const QString kAmt = QStringLiteral("#,##0");
const QString kPct = QStringLiteral("#,##0.00");
const char *const kKinds[] = {"FOOD", "BEVE", "TOT"};
const char *const kSpans[] = {"T", "MTD", "YMTD"};

// The five printed figures of a kind: today's cost and %, month-to-date cost and %, last year's %.
struct Slot {
    const char *suffix;     // field suffix of the detail line
    bool percent;
};
const Slot kSlots[] = {{"_TW", false}, {"_TP", true}, {"_MTDW", false}, {"_MTDP", true}, {"_YMTDP", true}};

QString percentText(double cost, double sales)
{
    return sales > 0 ? widgets::formatNumber(cost / sales * 100, kPct) : QStringLiteral("0.00");
}

void add(TfrmOEP070::Figures &to, const Row &row, const char *kind, bool replaceSales)
{
    for (int s = 0; s < 3; ++s) {
        const QString field = QLatin1String(kind) + QLatin1Char('_') + QLatin1String(kSpans[s]);
        to.cost[s] += row.number(field + QLatin1Char('W'));
        const double sales = row.number(field + QLatin1Char('S'));
        to.sales[s] = replaceSales ? sales : to.sales[s] + sales;
    }
}

void addGroup(TfrmOEP070::Figures &to, const TfrmOEP070::Figures &group)
{
    for (int s = 0; s < 3; ++s) {
        to.cost[s] += group.cost[s];
        to.sales[s] += group.sales[s];
    }
}

} // namespace

TfrmOEP070::TfrmOEP070() : TfrmZZP020(QStringLiteral("OEP070"))
{
    qryQuery = stock::CostReportSql();
    setTitle(QStringLiteral("DAILY FOOD/BEVERAGE COST REPORT"));
    qrbHeader->label(QStringLiteral("qrlDate"), QRectF(0, 48, 300, 18), QString())
        .font(reports::reportFont(QStringLiteral("굴림"), 10));
    qrbHeader->label(QStringLiteral("qrlUnit"), QRectF(bandWidth() - 200, 48, 200, 18), QStringLiteral("Unit : WON"))
        .font(reports::reportFont(QStringLiteral("굴림"), 10)).align(Qt::AlignRight);
    const double first = bandWidth() * 0.13;
    const double each = (bandWidth() - first) / 15;
    m_x << 0;
    m_w << first;
    for (int i = 0; i < 15; ++i) {
        m_x << first + i * each;
        m_w << each;
    }
    buildHeadings();
    buildGroup();
    buildDetail();
    buildSummary();
    report.beforePrint = [this](reports::Report &) {
        m_group = m_grand = Totals{};
        m_groupCode.clear();
    };
}

void TfrmOEP070::buildHeadings()
{
    Band &heading = report.columnHeader(int(2 * kRow));
    const QFont bold = reports::reportPixelFont(QStringLiteral("Arial"), 11, true);
    const auto cell = [&](const QString &name, const QRectF &rect, const QString &text) {
        heading.label(name, rect, text).font(bold).align(Qt::AlignCenter).frame(reports::FrameBox).fill(QColor(230, 230, 230));
    };
    cell(QStringLiteral("qrlExplanation"), QRectF(0, 0, m_w[0], 2 * kRow), QStringLiteral("EXPLANATION"));
    const char *const groups[] = {"FOOD COST", "BEVERAGE COST", "COMBINED COST"};
    const char *const titles[] = {"TODAY", "%", "M-T-D", "%", "L/YEAR M-T-D %"};
    for (int k = 0; k < 3; ++k) {
        const int c = 1 + 5 * k;
        cell(QStringLiteral("qrlKind%1").arg(k), QRectF(m_x[c], 0, 5 * m_w[c], kRow), QLatin1String(groups[k]));
        for (int t = 0; t < 5; ++t)
            cell(QStringLiteral("qrlHead%1_%2").arg(k).arg(t), QRectF(m_x[c + t], kRow, m_w[c + t], kRow), QLatin1String(titles[t]));
    }
}

void TfrmOEP070::buildGroup()
{
    reports::Group &group = report.group(QStringLiteral("GUBUN_CD1"));
    Band &top = group.header(int(kRow + 2));
    top.text(QStringLiteral("qrdGUBUN_NM1"), QRectF(2, 2, m_w[0] * 2, kRow), QStringLiteral("GUBUN_NM1"))
        .font(reports::reportPixelFont(QStringLiteral("굴림"), 12, true));

    Band &end = group.footer(int(kRow + 4));
    end.line(QStringLiteral("qrsSubLine"), QLineF(0, 1, bandWidth(), 1));
    end.label(QStringLiteral("qrlSubTitle"), QRectF(2, 3, m_w[0] - 4, kRow), QString())
        .font(reports::reportPixelFont(QStringLiteral("Arial"), 11, true));
    for (int c = 1; c < 16; ++c)
        end.label(QStringLiteral("qrlSub%1").arg(c), QRectF(m_x[c] + 1, 3, m_w[c] - 2, kRow), QString()).align(Qt::AlignRight | Qt::AlignVCenter);
    end.beforePrint = [this](Band &band, const Row &) {
        // Lines of group "000" enter no total; the group prints no footer.
        band.setPrintBand(m_groupCode != QStringLiteral("000"));
        band[QStringLiteral("qrlSubTitle")].setText(m_groupCode == QStringLiteral("100") ? QStringLiteral("SUB KITCHEN & STORE")
                                                                                         : QStringLiteral("Sub Total"));
        showTotals(band, QStringLiteral("qrlSub"), m_group);
        // The grand totals add up the groups, so that a store group's sales enter once.
        addGroup(m_grand.food, m_group.food);
        addGroup(m_grand.beverage, m_group.beverage);
        m_group = Totals{};
    };
}

void TfrmOEP070::buildDetail()
{
    Band &line = report.detail(int(kRow));
    line.text(QStringLiteral("qrdGUBUN_NM2"), QRectF(12, 0, m_w[0] - 14, kRow), QStringLiteral("GUBUN_NM2"));
    for (int k = 0; k < 3; ++k) {
        for (int t = 0; t < 5; ++t) {
            const int c = 1 + 5 * k + t;
            const QString field = QLatin1String(kKinds[k]) + QLatin1String(kSlots[t].suffix);
            line.text(QStringLiteral("qrd") + field, QRectF(m_x[c] + 1, 0, m_w[c] - 2, kRow), field)
                .format(kSlots[t].percent ? kPct : kAmt).align(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    line.afterPrint = [this](Band &, const Row &row) {
        m_groupCode = row.text(QStringLiteral("GUBUN_CD1"));
        if (m_groupCode == QStringLiteral("000"))
            return;
        // The sub-kitchen and store lines each carry the group's sales: the group keeps the last line's.
        const bool store = m_groupCode == QStringLiteral("100");
        add(m_group.food, row, "FOOD", store);
        add(m_group.beverage, row, "BEVE", store);
    };
}

void TfrmOEP070::buildSummary()
{
    Band &end = report.summary(int(kRow + 6));
    end.line(QStringLiteral("qrsTotalLine"), QLineF(0, 1, bandWidth(), 1)).pen(QPen(Qt::black, 2));
    end.label(QStringLiteral("qrlTotalTitle"), QRectF(2, 4, m_w[0] - 4, kRow), QStringLiteral("TOTAL RESTRANTS"))
        .font(reports::reportPixelFont(QStringLiteral("Arial"), 11, true));
    for (int c = 1; c < 16; ++c)
        end.label(QStringLiteral("qrlTotal%1").arg(c), QRectF(m_x[c] + 1, 4, m_w[c] - 2, kRow), QString()).align(Qt::AlignRight | Qt::AlignVCenter);
    end.beforePrint = [this](Band &band, const Row &) { showTotals(band, QStringLiteral("qrlTotal"), m_grand); };
}

void TfrmOEP070::showTotals(Band &band, const QString &prefix, const Totals &totals)
{
    Figures combined;
    for (int s = 0; s < 3; ++s) {
        combined.cost[s] = totals.food.cost[s] + totals.beverage.cost[s];
        combined.sales[s] = totals.food.sales[s] + totals.beverage.sales[s];
    }
    const Figures *kinds[] = {&totals.food, &totals.beverage, &combined};
    for (int k = 0; k < 3; ++k) {
        const Figures &f = *kinds[k];
        const QString texts[] = {widgets::formatNumber(f.cost[0], kAmt), percentText(f.cost[0], f.sales[0]),
                                 widgets::formatNumber(f.cost[1], kAmt), percentText(f.cost[1], f.sales[1]),
                                 percentText(f.cost[2], f.sales[2])};
        for (int t = 0; t < 5; ++t)
            band[prefix + QString::number(1 + 5 * k + t)].setText(texts[t]);
    }
}

reports::Document TfrmOEP070::open(db::Connection &conn, const QString &date)
{
    report.element(QStringLiteral("qrlDate")).setText(QStringLiteral("◆Date : ") + date);
    openQuery(conn, {{QStringLiteral("COST_DATE"), date}});
    return prepare();
}

bool TfrmOEP070::Execute(const QString &date, bool toPreview, QWidget *parent)
{
    bool done = false;
    RunUserAction([&] {
        report.element(QStringLiteral("qrlDate")).setText(QStringLiteral("◆Date : ") + date);
        openQuery({{QStringLiteral("COST_DATE"), date}});
        done = printOrPreview(toPreview, parent);
    });
    return done;
}

namespace reports {

Document buildDailyFb(db::Connection &conn, const QStringList &parameters)
{
    TfrmOEP070 form;
    return form.open(conn, parameters.value(0).trimmed());
}

} // namespace reports
