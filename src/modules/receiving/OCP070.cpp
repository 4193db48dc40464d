#include "modules/receiving/OCP070.h"

#include "framework/ErrorDisplay.h"
#include "session/Database.h"

using namespace reports;

namespace {

// One row per receipt: its totals and the first line's item, "외종" standing
// for the other kinds received with it.
const char *const kStatement = R"(SELECT A.INSP_DATE, A.C_CODE,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = A.C_CODE) C_CODE_NM,
  (SELECT MAX(I.ITEM_NAME) FROM OX010MS I WHERE I.ITEM_CODE = B.ITEM_CODE) || ' 외종' ITEM_NAME,
  A.INSP_NUM, A.INSP_NO, A.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM,
  A.PUT_AMT, A.TAX_AMT, A.SUM_AMT
FROM OC010MS A LEFT JOIN OC010DT B ON B.INSP_NO = A.INSP_NO AND B.INSP_SEQ = 1
WHERE A.INSP_NO = :INSP_NO)";

} // namespace

TfrmOCP070::TfrmOCP070() : TfrmZZP010(QStringLiteral("OCP070"))
{
    setTitle(QStringLiteral("검수명세서(합계)"));
    qrlCondition->setVisible(false);
    qryQuery = QString::fromUtf8(kStatement);
    const double w = bandWidth();

    // Sign-off boxes on the right, the supplier on the left.
    qrbHeader->setHeight(150);
    Band &h = *qrbHeader;
    const QString signers[] = {QStringLiteral("DET't HEAD"), QStringLiteral("RECEIVING"), QStringLiteral("COST CONTROLLER")};
    const double bw = 120;
    for (int i = 0; i < 3; ++i) {
        const double x = w - (3 - i) * bw;
        h.label(QStringLiteral("qrlSign%1").arg(i), QRectF(x, 56, bw, 20), signers[i]).align(Qt::AlignCenter).frame(FrameBox);
        h.shape(QStringLiteral("qrsSign%1").arg(i), QRectF(x, 76, bw, 50));
    }
    h.expression(QStringLiteral("qrlC_CODE_NM"), QRectF(0, 108, w - 3 * bw - 20, 18), [this](const Row &) -> QString {
        return QStringLiteral("거래처명 : ") + (cdsQuery.isEmpty() ? QString() : cdsQuery.value(0, QStringLiteral("C_CODE_NM")).toString());
    }).font(reportPixelFont(QStringLiteral("굴림"), 13, true));

    const double xs[] = {0, 30, 110, 270, 350, 420, 500, 580, w};
    const QString titles[] = {QStringLiteral("No"), QStringLiteral("검수일자"), QStringLiteral("품    목"),
                              QStringLiteral("금    액"), QStringLiteral("부가세액"), QStringLiteral("합    계"),
                              QStringLiteral("입고창고"), QStringLiteral("입고번호")};
    Band &head = report.columnHeader(24);
    for (int i = 0; i < 8; ++i)
        head.label(QStringLiteral("qrlHead%1").arg(i), QRectF(xs[i], 0, xs[i + 1] - xs[i], 24), titles[i])
            .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(235, 235, 235));
    Band &d = report.detail(22);
    const auto cell = [&](int i) { return QRectF(xs[i], 0, xs[i + 1] - xs[i], 22); };
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter, right = Qt::AlignRight | Qt::AlignVCenter;
    d.system(QStringLiteral("qrdNo"), cell(0), SystemValue::LineNumber).align(Qt::AlignCenter).frame(FrameBox);
    d.text(QStringLiteral("qrdINSP_DATE"), cell(1), QStringLiteral("INSP_DATE")).align(Qt::AlignCenter).frame(FrameBox);
    d.text(QStringLiteral("qrdITEM_NAME"), cell(2), QStringLiteral("ITEM_NAME")).align(left).frame(FrameBox);
    const char *amounts[] = {"PUT_AMT", "TAX_AMT", "SUM_AMT"};
    for (int i = 0; i < 3; ++i)
        d.text(QStringLiteral("qrd%1").arg(QLatin1String(amounts[i])), cell(3 + i), QString::fromLatin1(amounts[i]))
            .format(QStringLiteral("#,##0")).align(right).frame(FrameBox);
    d.text(QStringLiteral("qrdSTRG_CODE_NM"), cell(6), QStringLiteral("STRG_CODE_NM")).align(left).frame(FrameBox);
    d.text(QStringLiteral("qrdINSP_NO"), cell(7), QStringLiteral("INSP_NO")).align(Qt::AlignCenter).frame(FrameBox);
}

bool TfrmOCP070::open(db::Connection &conn, const QString &inspNo)
{
    return openQuery(conn, {{QStringLiteral("INSP_NO"), inspNo}}) > 0;
}

bool TfrmOCP070::Execute(const QString &inspNo, bool toPreview, QWidget *parent)
{
    bool done = false;
    RunUserAction([&] {
        open(dbsDB(), inspNo);
        done = printOrPreview(toPreview, parent);
    });
    return done;
}
