#include "modules/issues/ODP040.h"

#include "db/Query.h"
#include "framework/SharedSql.h"
#include "widgets/Format.h"

#include <cmath>

using namespace reports;

namespace {

const QString kLineColumns = QStringLiteral(R"(A.RETU_SEQ, A.ITEM_CODE, B.ITEM_NAME, A.ITEM_STANDARD, A.QTY, %1 SOOBUL_UNIT_NM,
  A.COST_AMT, A.AMT, A.REMARK, A.RETU_GUBUN, CASE A.RETU_GUBUN WHEN '1' THEN '교환' WHEN '2' THEN '반품' ELSE '' END RETU_GUBUN_NM,
  A.TAX_AMT, (COALESCE(A.AMT,0) + COALESCE(A.TAX_AMT,0)) AS TOT_AMT)").arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

const QString kOne = QStringLiteral(R"(SELECT %1
FROM OD030DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.RETU_DATE = :RETU_DATE AND A.C_CODE = :C_CODE AND A.RETU_NUM = :RETU_NUM
ORDER BY A.RETU_SEQ)").arg(kLineColumns);

const QString kList = QStringLiteral(R"(SELECT H.RETU_DATE, H.C_CODE, H.RETU_NUM,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = H.C_CODE) C_CODE_NM, H.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = H.STRG_CODE) STRG_CODE_NM, H.RETU_REAS, H.PLAN_DATE, %1
FROM OD030MS H
  JOIN OD030DT A ON A.RETU_DATE = H.RETU_DATE AND A.C_CODE = H.C_CODE AND A.RETU_NUM = H.RETU_NUM
  JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE H.RETU_DATE BETWEEN :RETU_DATE_S AND :RETU_DATE_E
  AND H.C_CODE LIKE COALESCE(:C_CODE,'') || '%'
  AND COALESCE(H.STRG_CODE,'') LIKE COALESCE(:STRG_CODE,'') || '%'
ORDER BY H.RETU_DATE, H.C_CODE, H.RETU_NUM, A.RETU_SEQ)").arg(kLineColumns);

const char *const kLabels[] = {"qrlRetu_Date", "qrlC_Code", "qrlStrg_Code", "qrlPlan_Date"};
const char *const kCaptions[] = {"반품일자:", "거 래 처:", "반품창고:", "입고예정:"};

// Column edges: No, name, standard, unit, quantity, price, amount, kind, tax, total.
const double kEdges[] = {0, 30, 190, 290, 330, 385, 450, 530, 566, 636};

qint64 tenThousandths(double value) { return std::llround(value * 10000.0); }
QString won(qint64 units) { return widgets::formatNumber(double(units) / 10000.0, QStringLiteral("#,##0")); }

// 'YYYYMMDD' as 'YYYY-MM-DD'; empty stays empty.
QString dashed(const QString &digits)
{
    const QString d = digits.trimmed();
    return d.size() == 8 ? d.left(4) + u'-' + d.mid(4, 2) + u'-' + d.right(2) : d;
}

} // namespace

TfrmODP040::TfrmODP040(bool list) : TfrmZZP010(QStringLiteral("ODP040")), m_list(list)
{
    setTitle(QStringLiteral("반품명세서"));
    qrlCondition->setVisible(false);
    buildHeader();
    buildLines();
    buildSummary();
    report.beforePrint = [this](Report &) { m_amt = m_tax = 0; };
}

void TfrmODP040::buildHeader()
{
    const double w = bandWidth();
    qrbHeader->setHeight(180);
    Band &b = *qrbHeader;
    const QFont bold = reportPixelFont(QStringLiteral("굴림"), 13, true);
    for (int i = 0; i < 4; ++i) {
        const double y = 66 + i * 24;
        b.label(QStringLiteral("qrlCaption%1").arg(i), QRectF(0, y, 70, 18), QString::fromUtf8(kCaptions[i])).font(bold);
        b.label(QLatin1String(kLabels[i]), QRectF(72, y, w / 2 - 20, 18), QString());
        b.line(QStringLiteral("qrsCaption%1").arg(i), QLineF(0, y + 20, w / 2, y + 20)).pen(QPen(Qt::gray, 1));
    }
    const double bw = 70, bx = w - 3 * bw - 26, y = 62;
    b.label(QStringLiteral("qrlApproval"), QRectF(bx, y, 26, 90), QStringLiteral("결\n\n재")).wrap().align(Qt::AlignCenter).frame(FrameBox);
    const QString boxes[] = {QStringLiteral("담  당"), QStringLiteral("팀   장"), QStringLiteral("부서장")};
    for (int i = 0; i < 3; ++i) {
        b.label(QStringLiteral("qrlApproval%1").arg(i), QRectF(bx + 26 + i * bw, y, bw, 22), boxes[i]).align(Qt::AlignCenter).frame(FrameBox);
        b.shape(QStringLiteral("qrsApproval%1").arg(i), QRectF(bx + 26 + i * bw, y + 22, bw, 68));
    }
}

void TfrmODP040::buildLines()
{
    const double w = bandWidth();
    const auto edge = [w](int i) { return i < 10 ? kEdges[i] : w; };
    const QString titles[] = {QStringLiteral("No"), QStringLiteral("품        명"), QStringLiteral("규        격"), QStringLiteral("단위"),
                              QStringLiteral("수량"), QStringLiteral("단  가"), QStringLiteral("금   액"), QStringLiteral("구분"),
                              QStringLiteral("부가세"), QStringLiteral("합    계")};
    Band &h = report.columnHeader(24);
    for (int i = 0; i < 10; ++i)
        h.label(QStringLiteral("qrlHead%1").arg(i), QRectF(edge(i), 0, edge(i + 1) - edge(i), 24), titles[i])
            .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(235, 235, 235)).font(reportPixelFont(QStringLiteral("굴림"), 12, true));
    if (m_list) {
        // One block per return: what the single statement shows in its header.
        Group &g = report.group([](const Row &row) -> QString {
            return row.text(QStringLiteral("RETU_DATE")) + u'|' + row.text(QStringLiteral("C_CODE")) + u'|' + row.text(QStringLiteral("RETU_NUM"));
        });
        g.header(22).expression(QStringLiteral("qrlReturn"), QRectF(0, 2, w, 18), [](const Row &row) {
            return QStringLiteral("반품일자: %1   거래처: %2   반품창고: [%3] %4   입고예정: %5   사유: %6")
                .arg(row.text(QStringLiteral("RETU_DATE")), row.text(QStringLiteral("C_CODE_NM")), row.text(QStringLiteral("STRG_CODE")),
                     row.text(QStringLiteral("STRG_CODE_NM")), row.text(QStringLiteral("PLAN_DATE")), row.text(QStringLiteral("RETU_REAS")));
        }).font(reportPixelFont(QStringLiteral("굴림"), 12, true));
    }
    Band &d = report.detail(22);
    auto r = [&](int i) { return QRectF(edge(i), 0, edge(i + 1) - edge(i), 22); };
    auto cell = [](Element &e, Qt::Alignment a) { e.align(a | Qt::AlignVCenter).frame(FrameBox).stretch(); };
    cell(d.system(QStringLiteral("qrdNo"), r(0), SystemValue::LineNumber), Qt::AlignHCenter);
    cell(d.text(QStringLiteral("qrdITEM_NAME"), r(1), QStringLiteral("ITEM_NAME")).wrap(), Qt::AlignLeft);
    cell(d.text(QStringLiteral("qrdITEM_STANDARD"), r(2), QStringLiteral("ITEM_STANDARD")).wrap(), Qt::AlignLeft);
    cell(d.text(QStringLiteral("qrdSOOBUL_UNIT_NM"), r(3), QStringLiteral("SOOBUL_UNIT_NM")), Qt::AlignHCenter);
    cell(d.text(QStringLiteral("qrdQTY"), r(4), QStringLiteral("QTY")).format(QStringLiteral("#,##0.0")), Qt::AlignRight);
    cell(d.text(QStringLiteral("qrdCOST_AMT"), r(5), QStringLiteral("COST_AMT")).format(QStringLiteral("#,##0")), Qt::AlignRight);
    cell(d.text(QStringLiteral("qrdAMT"), r(6), QStringLiteral("AMT")).format(QStringLiteral("#,##0")), Qt::AlignRight);
    cell(d.text(QStringLiteral("qrdRETU_GUBUN_NM"), r(7), QStringLiteral("RETU_GUBUN_NM")), Qt::AlignHCenter);
    cell(d.text(QStringLiteral("qrdTAX_AMT"), r(8), QStringLiteral("TAX_AMT")).format(QStringLiteral("#,##0")), Qt::AlignRight);
    cell(d.text(QStringLiteral("qrdTOT_AMT"), r(9), QStringLiteral("TOT_AMT")).format(QStringLiteral("#,##0")), Qt::AlignRight);
    d.afterPrint = [this](Band &, const Row &row) {
        m_amt += tenThousandths(row.number(QStringLiteral("AMT")));
        m_tax += tenThousandths(row.number(QStringLiteral("TAX_AMT")));
    };
}

void TfrmODP040::buildSummary()
{
    const double w = bandWidth();
    const auto edge = [w](int i) { return i < 10 ? kEdges[i] : w; };
    Band &s = report.summary(26);
    const QFont bold = reportPixelFont(QStringLiteral("굴림"), 12, true);
    s.label(QStringLiteral("qrlSumCaption"), QRectF(0, 0, edge(6), 24), QStringLiteral("[ 합    계 ]"))
        .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(245, 245, 245)).font(bold);
    const std::pair<const char *, int> sums[] = {{"qrlSumAMT", 6}, {"qrlSumBlank", 7}, {"qrlSumTAX_AMT", 8}, {"qrlSumTOT_AMT", 9}};
    for (const auto &[name, column] : sums)
        s.label(QLatin1String(name), QRectF(edge(column), 0, edge(column + 1) - edge(column), 24), QString())
            .align(Qt::AlignRight | Qt::AlignVCenter).frame(FrameBox).font(bold);
    s.beforePrint = [this](Band &band, const Row &) {
        band[QStringLiteral("qrlSumAMT")].setText(won(m_amt));
        band[QStringLiteral("qrlSumTAX_AMT")].setText(won(m_tax));
        band[QStringLiteral("qrlSumTOT_AMT")].setText(won(m_amt + m_tax));
    };
}

void TfrmODP040::setLabel(const QString &name, const QString &text) { (*qrbHeader)[name].setText(text); }

bool TfrmODP040::run(const QString &retuDate, const QString &cCode, const QString &retuNum, bool toPreview, QWidget *parent)
{
    qryQuery = kOne;
    openQuery({{QStringLiteral("RETU_DATE"), retuDate}, {QStringLiteral("C_CODE"), cCode}, {QStringLiteral("RETU_NUM"), retuNum}});
    return printOrPreview(toPreview, parent);
}

void TfrmODP040::openList(db::Connection &conn, const QString &from, const QString &to, const QString &cCode,
                          const QString &strgCode)
{
    qryQuery = kList;
    openQuery(conn, {{QStringLiteral("RETU_DATE_S"), from.isEmpty() ? QStringLiteral("1900-01-01") : from},
                     {QStringLiteral("RETU_DATE_E"), to.isEmpty() ? QStringLiteral("9999-12-31") : to},
                     {QStringLiteral("C_CODE"), cCode}, {QStringLiteral("STRG_CODE"), strgCode}});
    const auto name = [&conn](const char *sql, const QString &code) {
        return code.isEmpty() ? QStringLiteral("전체")
                              : QStringLiteral("[%1] %2").arg(code, db::Query::scalar(conn, QString::fromLatin1(sql), {{QStringLiteral("CODE"), code}}));
    };
    setLabel(QStringLiteral("qrlRetu_Date"), from + QStringLiteral(" ~ ") + to);
    setLabel(QStringLiteral("qrlC_Code"), name("SELECT MAX(C_NAME) FROM VA050MS WHERE C_CODE = :CODE", cCode));
    setLabel(QStringLiteral("qrlStrg_Code"), name("SELECT MAX(STRG_NAME) FROM OX060MS WHERE STRG_CODE = :CODE", strgCode));
}

namespace reports {

Document buildReturnReport(db::Connection &conn, const QStringList &parameters)
{
    TfrmODP040 form(true);
    form.openList(conn, dashed(parameters.value(0)), dashed(parameters.value(1)), parameters.value(2).trimmed(),
                  parameters.value(3).trimmed());
    return form.prepare();
}

} // namespace reports
