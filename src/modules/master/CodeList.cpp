#include "modules/master/CodeList.h"

#include "framework/ZZP010.h"

namespace reports {

namespace {

// The head rows (blank DETAIL) name their head; the list shows the codes under them.
const char *const kCodeListSql = R"(
SELECT A.HEAD,
       (SELECT MAX(H.DETAIL_NAME) FROM ZX010MS H
         WHERE H.HEAD = A.HEAD AND COALESCE(TRIM(H.DETAIL), '') = '') HEAD_NM,
       A.DETAIL, A.DETAIL_NAME, A.ITEM1, A.ITEM2
  FROM ZX010MS A
 WHERE A.HEAD LIKE COALESCE(:HEAD, '') || '%'
   AND COALESCE(TRIM(A.DETAIL), '') <> ''
 ORDER BY A.HEAD, A.DETAIL)";

class CodeList : public TfrmZZP010 {
public:
    CodeList() : TfrmZZP010(QStringLiteral("code_list"))
    {
        qryQuery = QString::fromUtf8(kCodeListSql);
        setTitle(QStringLiteral("공통코드 목록"));
        const double w = bandWidth();
        const QFont bold = reportPixelFont(QStringLiteral("굴림"), 13, true);

        Band &heading = report.columnHeader(24);
        heading.shape(QStringLiteral("qrsHeading"), QRectF(0, 0, w, 24)).fill(QColor(230, 230, 230));
        heading.label(QStringLiteral("qrlDETAIL"), QRectF(6, 0, 90, 24), QStringLiteral("코드")).font(bold);
        heading.label(QStringLiteral("qrlDETAIL_NAME"), QRectF(100, 0, 330, 24), QStringLiteral("코드명")).font(bold);
        heading.label(QStringLiteral("qrlITEM1"), QRectF(440, 0, 120, 24), QStringLiteral("항목1")).font(bold);
        heading.label(QStringLiteral("qrlITEM2"), QRectF(570, 0, w - 576, 24), QStringLiteral("항목2")).font(bold);

        Group &head = report.group(QStringLiteral("HEAD"));
        Band &headTop = head.header(26);
        headTop.expression(QStringLiteral("qrlHEAD"), QRectF(0, 4, w, 20), [](const Row &row) {
            return QStringLiteral("[%1] %2").arg(row.text(QStringLiteral("HEAD")), row.text(QStringLiteral("HEAD_NM")));
        }).font(bold);
        headTop.beforePrint = [this](Band &, const Row &) { m_inHead = 0; };

        Band &line = report.detail(20);
        line.text(QStringLiteral("qrdDETAIL"), QRectF(6, 0, 90, 20), QStringLiteral("DETAIL"));
        line.text(QStringLiteral("qrdDETAIL_NAME"), QRectF(100, 0, 330, 20), QStringLiteral("DETAIL_NAME")).wrap().stretch();
        line.text(QStringLiteral("qrdITEM1"), QRectF(440, 0, 120, 20), QStringLiteral("ITEM1"));
        line.text(QStringLiteral("qrdITEM2"), QRectF(570, 0, w - 576, 20), QStringLiteral("ITEM2"));
        line.afterPrint = [this](Band &, const Row &) {
            ++m_inHead;
            ++m_total;
        };

        Band &headEnd = head.footer(24);
        headEnd.line(QStringLiteral("qrsHeadLine"), QLineF(0, 2, w, 2)).pen(QPen(Qt::gray, 1));
        headEnd.label(QStringLiteral("qrlHeadCount"), QRectF(w - 200, 4, 194, 18), QString()).align(Qt::AlignRight);
        headEnd.beforePrint = [this](Band &band, const Row &) {
            band[QStringLiteral("qrlHeadCount")].setText(QStringLiteral("소계 %1 건").arg(m_inHead));
        };

        Band &end = report.summary(30);
        end.line(QStringLiteral("qrsTotalLine"), QLineF(0, 4, w, 4)).pen(QPen(Qt::black, 2));
        end.label(QStringLiteral("qrlTotalCount"), QRectF(w - 200, 8, 194, 20), QString()).font(bold).align(Qt::AlignRight);
        end.beforePrint = [this](Band &band, const Row &) {
            band[QStringLiteral("qrlTotalCount")].setText(QStringLiteral("합계 %1 건").arg(m_total));
        };
        report.beforePrint = [this](Report &) { m_inHead = m_total = 0; };
    }

private:
    int m_inHead = 0;
    int m_total = 0;
};

} // namespace

Document buildCodeList(db::Connection &conn, const QStringList &parameters)
{
    const QString head = parameters.value(0).trimmed();
    CodeList form;
    form.setCondition(QStringLiteral("코드구분 : %1").arg(head.isEmpty() ? QStringLiteral("전체") : head));
    form.openQuery(conn, {{QStringLiteral("HEAD"), head}});
    return form.prepare();
}

} // namespace reports
