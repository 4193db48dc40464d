#include "modules/stock/FnbIndex.h"
#include "framework/ZZP020.h"
#include "modules/stock/CostReport.h"
#include "widgets/Format.h"

#include <QDate>

namespace {

using reports::Band;
using reports::Row;

const double kRow = 18;
const QString kPct = QStringLiteral("#,##0.00");

class FnbIndex : public TfrmZZP020 {
public:
    FnbIndex() : TfrmZZP020(QStringLiteral("FNB_Index"))
    {
        qryQuery = stock::CostReportSql();
        setTitle(QStringLiteral("F&B COST INDEX"));
        const double w = bandWidth();
        const double name = w * 0.24;
        const double each = (w - name) / 9;
        const QFont bold = reports::reportPixelFont(QStringLiteral("Arial"), 11, true);
        Band &heading = report.columnHeader(int(2 * kRow));
        const auto cell = [&](const QString &n, const QRectF &r, const QString &t) {
            heading.label(n, r, t).font(bold).align(Qt::AlignCenter).frame(reports::FrameBox).fill(QColor(230, 230, 230));
        };
        cell(QStringLiteral("qrlExplanation"), QRectF(0, 0, name, 2 * kRow), QStringLiteral("EXPLANATION"));
        const char *const kinds[][2] = {{"FOOD", "FOOD COST"}, {"BEVE", "BEVERAGE COST"}, {"TOT", "COMBINED COST"}};
        const char *const titles[] = {"M-T-D %", "L/YEAR M-T-D %", "INDEX"};
        Band &line = report.detail(int(kRow));
        line.expression(QStringLiteral("qrdLINE"), QRectF(2, 0, name - 4, kRow), [](const Row &row) -> QString {
            return row.text(QStringLiteral("GUBUN_NM1")) + QStringLiteral(" / ") + row.text(QStringLiteral("GUBUN_NM2"));
        });
        for (int k = 0; k < 3; ++k) {
            const double x = name + 3 * k * each;
            cell(QStringLiteral("qrlKind%1").arg(k), QRectF(x, 0, 3 * each, kRow), QLatin1String(kinds[k][1]));
            for (int t = 0; t < 3; ++t)
                cell(QStringLiteral("qrlHead%1_%2").arg(k).arg(t), QRectF(x + t * each, kRow, each, kRow), QLatin1String(titles[t]));
            const QString kind = QLatin1String(kinds[k][0]);
            const QRectF first(x + 1, 0, each - 2, kRow);
            line.text(QStringLiteral("qrd%1_MTDP").arg(kind), first, kind + QStringLiteral("_MTDP")).format(kPct).align(Qt::AlignRight | Qt::AlignVCenter);
            line.text(QStringLiteral("qrd%1_YMTDP").arg(kind), first.translated(each, 0), kind + QStringLiteral("_YMTDP"))
                .format(kPct).align(Qt::AlignRight | Qt::AlignVCenter);
            line.expression(QStringLiteral("qrd%1_INDEX").arg(kind), first.translated(2 * each, 0), [kind](const Row &row) -> QString {
                const double change = row.number(kind + QStringLiteral("_MTDP")) - row.number(kind + QStringLiteral("_YMTDP"));
                return (change > 0 ? QStringLiteral("+") : QString()) + widgets::formatNumber(change, kPct);
            }).align(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
};

} // namespace

namespace reports {

Document buildFnbIndex(db::Connection &conn, const QStringList &parameters)
{
    const QString given = parameters.value(0).trimmed();
    const QDate day = QDate::fromString(given, QStringLiteral("yyyyMMdd"));
    FnbIndex form;
    form.setCondition(QStringLiteral("◆Date : ") + (day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd")) : given));
    form.openQuery(conn, {{QStringLiteral("COST_DATE"), day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd")) : given}});
    return form.prepare();
}

} // namespace reports
