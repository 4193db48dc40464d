#include "modules/issues/StockForm.h"

#include "framework/ErrorDisplay.h"
#include "session/Database.h"
#include "widgets/Format.h"

#include <cmath>

using namespace reports;

namespace {

qint64 tenThousandths(double value) { return std::llround(value * 10000.0); }

} // namespace

StockForm::StockForm(StockFormSpec spec) : TfrmZZP010(spec.programId), m_spec(std::move(spec))
{
    setTitle(m_spec.title);
    qrlCondition->setVisible(false);
    buildHeader();
    buildLines();
    buildSummary();
    report.beforePrint = [this](Report &) { m_total = 0; };
}

void StockForm::buildHeader()
{
    const double w = bandWidth();
    qrbHeader->setHeight(170);
    Band &b = *qrbHeader;
    const QFont bold = reportPixelFont(QStringLiteral("굴림"), 13, true);
    for (int i = 0; i < 3; ++i) {
        const double y = 70 + i * 26;
        b.label(QStringLiteral("qrlCaption%1").arg(i), QRectF(0, y, 70, 18), m_spec.captions.value(i)).font(bold);
        b.label(m_spec.labels.value(i), QRectF(72, y, w / 2 - 20, 18), QString());
        b.line(QStringLiteral("qrsCaption%1").arg(i), QLineF(0, y + 20, w / 2, y + 20)).pen(QPen(Qt::gray, 1));
    }
    // The approval boxes on the right under "결" / "재".
    const double bw = 70, bx = w - 3 * bw - 26, y = 62;
    b.label(QStringLiteral("qrlApproval"), QRectF(bx, y, 26, 90), QStringLiteral("결\n\n재")).wrap().align(Qt::AlignCenter).frame(FrameBox);
    for (int i = 0; i < 3; ++i) {
        b.label(QStringLiteral("qrlApproval%1").arg(i), QRectF(bx + 26 + i * bw, y, bw, 22), m_spec.approvals.value(i))
            .align(Qt::AlignCenter).frame(FrameBox);
        b.shape(QStringLiteral("qrsApproval%1").arg(i), QRectF(bx + 26 + i * bw, y + 22, bw, 68));
    }
}

void StockForm::buildLines()
{
    const double w = bandWidth();
    const double xs[] = {0, 36, 260, 400, 450, 520, 616, w};
    const QString titles[] = {QStringLiteral("No"), QStringLiteral("품        명"), QStringLiteral("규        격"), QStringLiteral("단위"),
                              QStringLiteral("수량"), QStringLiteral("단  가"), QStringLiteral("금   액")};
    Band &h = report.columnHeader(24);
    for (int i = 0; i < 7; ++i)
        h.label(QStringLiteral("qrlHead%1").arg(i), QRectF(xs[i], 0, xs[i + 1] - xs[i], 24), titles[i])
            .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(235, 235, 235)).font(reportPixelFont(QStringLiteral("굴림"), 13, true));
    Band &d = report.detail(22);
    auto r = [&](int i) { return QRectF(xs[i], 0, xs[i + 1] - xs[i], 22); };
    auto cell = [](Element &e, Qt::Alignment a) { e.align(a | Qt::AlignVCenter).frame(FrameBox).stretch(); };
    cell(d.system(QStringLiteral("qrdNo"), r(0), SystemValue::LineNumber), Qt::AlignHCenter);
    cell(d.text(QStringLiteral("qrdITEM_NAME"), r(1), QStringLiteral("ITEM_NAME")).wrap(), Qt::AlignLeft);
    cell(d.text(QStringLiteral("qrdITEM_STANDARD1"), r(2), QStringLiteral("ITEM_STANDARD1")).wrap(), Qt::AlignLeft);
    cell(d.text(QStringLiteral("qrdSOOBUL_UNIT_NM"), r(3), QStringLiteral("SOOBUL_UNIT_NM")), Qt::AlignHCenter);
    cell(d.text(QStringLiteral("qrdQTY"), r(4), QStringLiteral("QTY")).format(QStringLiteral("#,##0.0")), Qt::AlignRight);
    cell(d.text(QStringLiteral("qrdCOST"), r(5), QStringLiteral("COST")).format(QStringLiteral("#,##0.0000")), Qt::AlignRight);
    cell(d.text(QStringLiteral("qrdAMT"), r(6), QStringLiteral("AMT")).format(QStringLiteral("#,##0")), Qt::AlignRight);
    d.afterPrint = [this](Band &, const Row &row) { m_total += tenThousandths(row.number(QStringLiteral("AMT"))); };
}

void StockForm::buildSummary()
{
    const double w = bandWidth();
    Band &s = report.summary(26);
    const QFont bold = reportPixelFont(QStringLiteral("굴림"), 13, true);
    s.label(QStringLiteral("qrlSumCaption"), QRectF(0, 0, 616, 24), QStringLiteral("[ 합    계 ]"))
        .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(245, 245, 245)).font(bold);
    s.label(QStringLiteral("qrlSum"), QRectF(616, 0, w - 616, 24), QString())
        .align(Qt::AlignRight | Qt::AlignVCenter).frame(FrameBox).font(bold);
    s.beforePrint = [this](Band &band, const Row &) {
        band[QStringLiteral("qrlSum")].setText(widgets::formatNumber(double(m_total) / 10000.0, QStringLiteral("#,##0")));
    };
}

void StockForm::setLabel(const QString &name, const QString &text) { (*qrbHeader)[name].setText(text); }

void StockForm::open(const Params &key)
{
    qryQuery = m_spec.query;
    openQuery(key);
}

bool StockForm::run(const Params &key, bool toPreview, QWidget *parent)
{
    open(key);
    return printOrPreview(toPreview, parent);
}
