#include "modules/orders/OBP010.h"

#include "db/Query.h"
#include "framework/CommonCodes.h"
#include "framework/ErrorDisplay.h"
#include "session/Database.h"
#include "widgets/Format.h"

#include <cmath>

using namespace reports;

namespace {

const char *const kHeader = R"(SELECT A.ORDE_DATE, A.C_CODE, A.ORDE_NUM, A.ORDE_NO, A.PUT_DATE, A.ORDE_AMT, A.TAX_AMT, A.SUM_AMT,
  A.ORDE_CHAR, A.ORDE_TEL, A.INSP_CHAR, A.INSP_TEL, A.DOCUMENT, A.GIVE_TERM, A.PAYM_TERM, A.DELI_TERM, A.REPA_TERM, A.REMARK,
  C.C_NAME, C.REP_PHONE, C.FAX_NO, C.BOSS_NAME, C.C_NUM, B.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = B.STRG_CODE) STRG_CODE_NM, B.DEPT_CODE,
  (SELECT MAX(D.AFF_DEPT_NAME) FROM QA160MS D WHERE D.AFF_DEPT_CODE = B.DEPT_CODE) DEPT_CODE_NM,
  B.CHAR_NAME, B.CHAR_TEL
FROM OB010MS A LEFT JOIN OA010MS B ON B.PURC_NO = A.PURC_NO
  LEFT JOIN (SELECT C_CODE, MAX(C_NAME) C_NAME, MAX(REP_PHONE) REP_PHONE, MAX(FAX_NO) FAX_NO, MAX(BOSS_NAME) BOSS_NAME,
                    MAX(C_NUM) C_NUM FROM VA050MS GROUP BY C_CODE) C ON C.C_CODE = A.C_CODE
WHERE A.ORDE_DATE = :ORDE_DATE AND A.C_CODE = :C_CODE AND A.ORDE_NUM = :ORDE_NUM)";

// A line without a stored tax class (written before taxes were kept) is
// taxed by its item's class.
const char *const kLines = R"(SELECT A.ORDE_SEQ, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.QTY,
  (SELECT MAX(U.DETAIL_NAME) FROM ZX010MS U WHERE U.HEAD = 'Z0025' AND U.DETAIL = B.GUMAE_UNIT) GUMAE_UNIT_NM,
  A.COST_AMT, A.AMT,
  COALESCE(A.TAX_AMT, CASE WHEN B.TAX_GUBUN = '2' THEN 0 ELSE A.AMT / 10 END) TAX_AMT
FROM OB010DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.ORDE_DATE = :ORDE_DATE AND A.C_CODE = :C_CODE AND A.ORDE_NUM = :ORDE_NUM
ORDER BY A.ORDE_SEQ)";

// The site's own texts among the common codes, in code order.
const char *const kSiteTexts = R"(SELECT DETAIL, DETAIL_NAME FROM ZX010MS
WHERE HEAD = :HEAD AND COALESCE(TRIM(DETAIL), '') <> '' ORDER BY DETAIL)";

// Captions of the ordering company's block; the values are the site's
// codes '01' … '06' under kHeadOrderingCompany.
const char *const kCompanyCaptions[] = {"상    호 :", "주    소 :", "대 표 자 :", "등록번호 :", "업    태 :", "종    목 :"};
constexpr int kCompanyLines = 6;

QStringList siteTexts(db::Connection &conn, const QString &head)
{
    db::Query q(conn, QString::fromUtf8(kSiteTexts));
    q.bind(QStringLiteral("HEAD"), head).exec();
    QStringList texts;
    while (q.next())
        texts << q.text(QStringLiteral("DETAIL_NAME")).trimmed();
    return texts;
}

// The company's values by line of the block: code '01' is line 0 and so on.
QStringList companyLines(db::Connection &conn)
{
    db::Query q(conn, QString::fromUtf8(kSiteTexts));
    q.bind(QStringLiteral("HEAD"), kHeadOrderingCompany).exec();
    QStringList lines(kCompanyLines);
    while (q.next()) {
        const int line = q.text(QStringLiteral("DETAIL")).trimmed().toInt() - 1;
        if (line >= 0 && line < kCompanyLines)
            lines[line] = q.text(QStringLiteral("DETAIL_NAME")).trimmed();
    }
    return lines;
}

qint64 tenThousandths(double value) { return std::llround(value * 10000.0); }
QString won(qint64 units) { return widgets::formatNumber(double(units) / 10000.0, QStringLiteral("#,##0")); }

} // namespace

TfrmOBP010::TfrmOBP010(bool contract)
    : TfrmZZP010(contract ? QStringLiteral("OBP015") : QStringLiteral("OBP010")), m_contract(contract)
{
    setTitle(contract ? QStringLiteral("계 약 발 주 서") : QStringLiteral("발   주   서"));
    qrlCondition->setVisible(false);
    buildHeader(contract);
    buildLines();
    buildSummary(contract);
    report.beforePrint = [this](Report &) { m_supply = m_tax = 0; };
}

QString TfrmOBP010::head(const char *field) const
{
    return cdsHeader.isEmpty() ? QString() : cdsHeader.value(0, QString::fromLatin1(field)).toString().trimmed();
}

void TfrmOBP010::buildHeader(bool contract)
{
    const double w = bandWidth();
    qrbHeader->setHeight(220);
    Band &b = *qrbHeader;
    const QFont bold = reportPixelFont(QStringLiteral("굴림"), 13, true);
    auto field = [&](const QString &name, double x, double y, double width, const char *f) -> Element & {
        return b.expression(name, QRectF(x, y, width, 18), [this, f](const Row &) { return head(f); });
    };
    b.label(QStringLiteral("qrlNo"), QRectF(0, 56, 40, 18), QStringLiteral("No. ")).font(bold);
    field(QStringLiteral("qrlORDE_NO"), 40, 56, 200, "ORDE_NO").font(bold);
    const QString left[] = {QStringLiteral("발주일자 :"), QStringLiteral("업    체 :"), QStringLiteral("전화번호 :"), QStringLiteral("팩스번호 :")};
    const char *fields[] = {"ORDE_DATE", "C_NAME", "REP_PHONE", "FAX_NO"};
    const char *names[] = {"qrlORDE_DATE", "qrlC_NAME", "qrlREP_PHONE", "qrlFAX_NO"};
    for (int i = 0; i < 4; ++i) {
        const double y = 84 + i * 24;
        b.label(QStringLiteral("qrlLeft%1").arg(i), QRectF(0, y, 70, 18), left[i]);
        field(QString::fromLatin1(names[i]), 74, y, w / 2 - 90, fields[i]).font(i == 1 ? bold : report.font());
        b.line(QStringLiteral("qrsLeft%1").arg(i), QLineF(0, y + 20, w / 2 - 20, y + 20)).pen(QPen(Qt::gray, 1));
    }
    b.label(QStringLiteral("qrlGreeting"), QRectF(0, 182, w / 2 - 20, 18),
            contract ? QStringLiteral("아래와 같이 계약하고 발주합니다.") : QStringLiteral("아래와 같이 발주합니다."));

    // The ordering company's block on the right.
    const double x = w / 2;
    b.shape(QStringLiteral("qrsCompany"), QRectF(x, 52, w - x, 150));
    b.label(QStringLiteral("qrlCompanyTitle"), QRectF(x, 52, 24, 150), QStringLiteral("발\n주\n자"))
        .align(Qt::AlignCenter).wrap().frame(FrameRight).font(bold);
    for (int i = 0; i < kCompanyLines; ++i) {
        const double y = 56 + i * 24;
        b.label(QStringLiteral("qrlCompanyCap%1").arg(i), QRectF(x + 30, y, 72, 18), QString::fromUtf8(kCompanyCaptions[i]));
        b.label(QStringLiteral("qrlCompanyVal%1").arg(i), QRectF(x + 104, y, w - x - 108, 18), QString());
    }
    b.label(QStringLiteral("qrlUnit"), QRectF(w - 120, 204, 120, 16), QStringLiteral("(단위:원)")).align(Qt::AlignRight | Qt::AlignVCenter);
}

void TfrmOBP010::buildLines()
{
    const double w = bandWidth();
    const double xs[] = {0, 32, 252, 392, 452, 500, 596, w};
    const QString titles[] = {QStringLiteral("No"), QStringLiteral("품        명"), QStringLiteral("규        격"), QStringLiteral("수량"),
                              QStringLiteral("단위"), QStringLiteral("단  가"), QStringLiteral("금   액")};
    Band &h = report.columnHeader(24);
    for (int i = 0; i < 7; ++i)
        h.label(QStringLiteral("qrlHead%1").arg(i), QRectF(xs[i], 0, xs[i + 1] - xs[i], 24), titles[i])
            .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(235, 235, 235))
            .font(reportPixelFont(QStringLiteral("굴림"), 13, true));
    Band &d = report.detail(22);
    auto cell = [&](Element &e, int i, Qt::Alignment a) { e.align(a | Qt::AlignVCenter).frame(FrameBox).stretch(); };
    const QRectF r[] = {{xs[0], 0, xs[1] - xs[0], 22}, {xs[1], 0, xs[2] - xs[1], 22}, {xs[2], 0, xs[3] - xs[2], 22},
                        {xs[3], 0, xs[4] - xs[3], 22}, {xs[4], 0, xs[5] - xs[4], 22}, {xs[5], 0, xs[6] - xs[5], 22},
                        {xs[6], 0, xs[7] - xs[6], 22}};
    cell(d.system(QStringLiteral("qrdNo"), r[0], SystemValue::LineNumber), 0, Qt::AlignHCenter);
    cell(d.text(QStringLiteral("qrdITEM_NAME"), r[1], QStringLiteral("ITEM_NAME")).wrap(), 1, Qt::AlignLeft);
    cell(d.text(QStringLiteral("qrdITEM_STANDARD1"), r[2], QStringLiteral("ITEM_STANDARD1")).wrap(), 2, Qt::AlignLeft);
    cell(d.text(QStringLiteral("qrdQTY"), r[3], QStringLiteral("QTY")).format(QStringLiteral("#,##0.0")), 3, Qt::AlignRight);
    cell(d.text(QStringLiteral("qrdGUMAE_UNIT_NM"), r[4], QStringLiteral("GUMAE_UNIT_NM")), 4, Qt::AlignHCenter);
    cell(d.text(QStringLiteral("qrdCOST_AMT"), r[5], QStringLiteral("COST_AMT")).format(QStringLiteral("#,##0.0000")), 5, Qt::AlignRight);
    cell(d.text(QStringLiteral("qrdAMT"), r[6], QStringLiteral("AMT")).format(QStringLiteral("#,##0")), 6, Qt::AlignRight);
    d.afterPrint = [this](Band &, const Row &row) {
        m_supply += tenThousandths(row.number(QStringLiteral("AMT")));
        m_tax += tenThousandths(row.number(QStringLiteral("TAX_AMT")));
    };
}

void TfrmOBP010::buildSummary(bool contract)
{
    const double w = bandWidth();
    Band &s = report.summary(contract ? 430 : 330);
    const QFont bold = reportPixelFont(QStringLiteral("굴림"), 13, true);
    s.label(QStringLiteral("qrlNotice"), QRectF(0, 6, w, 18), QStringLiteral("※ 입고전 검수담당자에게 사전 연락 바랍니다."));

    // Left: who asked, receives, orders and inspects.
    struct Pair { const char *caption; const char *a; const char *b; };
    const Pair people[] = {{"의 뢰 부 서", "DEPT_CODE_NM", nullptr}, {"입 고 창 고", "STRG_CODE_NM", nullptr},
                           {"현 업 담 당", "CHAR_NAME", "CHAR_TEL"},  {"발 주 담 당", "ORDE_CHAR", "ORDE_TEL"},
                           {"검 수 담 당", "INSP_CHAR", "INSP_TEL"},  {"구 비 서 류", "DOCUMENT", nullptr}};
    const double half = w / 2 - 10;
    for (int i = 0; i < 6; ++i) {
        const double y = 32 + i * 22;
        const Pair p = people[i];
        s.label(QStringLiteral("qrlPeople%1").arg(i), QRectF(0, y, 84, 22), QString::fromUtf8(p.caption))
            .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(245, 245, 245));
        s.expression(QStringLiteral("qrlPeopleVal%1").arg(i), QRectF(84, y, half - 84, 22), [this, p](const Row &) {
            const QString a = head(p.a);
            return p.b ? a + QStringLiteral(" / ") + head(p.b) : a;
        }).frame(FrameBox);
    }

    // Right: the money, then the terms.
    const double x = w / 2 + 10;
    const QString money[] = {QStringLiteral("공급가 "), QStringLiteral("부가세"), QStringLiteral("합 계")};
    const char *moneyNames[] = {"qrlSupply", "qrlTax", "qrlTotal"};
    for (int i = 0; i < 3; ++i) {
        const double y = 32 + i * 22;
        s.label(QStringLiteral("qrlMoneyCap%1").arg(i), QRectF(x, y, 84, 22), money[i])
            .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(245, 245, 245)).font(i == 2 ? bold : report.font());
        s.label(QString::fromLatin1(moneyNames[i]), QRectF(x + 84, y, w - x - 84, 22), QString())
            .align(Qt::AlignRight | Qt::AlignVCenter).frame(FrameBox).font(i == 2 ? bold : report.font());
    }
    const Pair terms[] = {{"납      기", "GIVE_TERM", nullptr}, {"지 불 조 건", "PAYM_TERM", nullptr},
                          {"인 도 조 건", "DELI_TERM", nullptr}, {"하 자 조 건", "REPA_TERM", nullptr}};
    for (int i = 0; i < 4; ++i) {
        const double y = 32 + (i + 3) * 22 + 6;
        const Pair p = terms[i];
        s.label(QStringLiteral("qrlTerm%1").arg(i), QRectF(x, y, 84, 22), QString::fromUtf8(p.caption))
            .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(245, 245, 245));
        s.expression(QStringLiteral("qrlTermVal%1").arg(i), QRectF(x + 84, y, w - x - 84, 22),
                     [this, p](const Row &) { return head(p.a); }).frame(FrameBox);
    }
    double y = 200;
    s.label(QStringLiteral("qrlRemarkCap"), QRectF(0, y, 84, 40), QStringLiteral("비        고"))
        .align(Qt::AlignCenter).frame(FrameBox).fill(QColor(245, 245, 245));
    s.expression(QStringLiteral("qrlREMARK"), QRectF(84, y, w - 84, 40), [this](const Row &) { return head("REMARK"); })
        .wrap().frame(FrameBox).align(Qt::AlignLeft | Qt::AlignTop);
    y += 50;

    if (contract) {
        // The contract terms both parties agree to: the site's clauses.
        s.label(QStringLiteral("qrlClauses"), QRectF(0, y, w, 110), QString()).wrap().align(Qt::AlignLeft | Qt::AlignTop)
            .font(reportPixelFont(QStringLiteral("굴림"), 12));
        y += 118;
        s.label(QStringLiteral("qrlParties"), QRectF(0, y, w, 18),
                QStringLiteral("위 계약을 증명하기 위하여 계약서 2부를 작성하여 각 1부씩 보관한다.")).align(Qt::AlignCenter);
        y += 26;
        s.label(QStringLiteral("qrlOrderer"), QRectF(0, y, w / 2 - 10, 40), QString()).frame(FrameBox).align(Qt::AlignCenter);
        s.expression(QStringLiteral("qrlSupplier"), QRectF(w / 2 + 10, y, w / 2 - 10, 40), [this](const Row &) {
            return QStringLiteral("공급자 : %1  대표 %2  (인)").arg(head("C_NAME"), head("BOSS_NAME"));
        }).frame(FrameBox).align(Qt::AlignCenter);
        s.setHeight(int(y + 50));
    } else {
        // The purchasing office's signatures.
        const double bw = 70, bx = w - 4 * bw - 30;
        s.label(QStringLiteral("qrlSignTitle"), QRectF(bx, y, 30, 70), QStringLiteral("구\n\n매"))
            .wrap().align(Qt::AlignCenter).frame(FrameBox);
        const QString boxes[] = {QStringLiteral("담  당"), QStringLiteral("팀  장"), QStringLiteral("본부장"), QStringLiteral("이  사")};
        for (int i = 0; i < 4; ++i) {
            s.label(QStringLiteral("qrlSign%1").arg(i), QRectF(bx + 30 + i * bw, y, bw, 20), boxes[i]).align(Qt::AlignCenter).frame(FrameBox);
            s.shape(QStringLiteral("qrsSign%1").arg(i), QRectF(bx + 30 + i * bw, y + 20, bw, 50));
        }
        s.setHeight(int(y + 76));
    }

    s.beforePrint = [this](Band &band, const Row &) {
        band[QStringLiteral("qrlSupply")].setText(won(m_supply));
        band[QStringLiteral("qrlTax")].setText(won(m_tax));
        band[QStringLiteral("qrlTotal")].setText(won(m_supply + m_tax));
    };
}

bool TfrmOBP010::open(db::Connection &conn, const QString &ordeDate, const QString &cCode, const QString &ordeNum)
{
    const Params key = {{QStringLiteral("ORDE_DATE"), ordeDate}, {QStringLiteral("C_CODE"), cCode}, {QStringLiteral("ORDE_NUM"), ordeNum}};
    const int found = OpenRecords(cdsHeader, conn, QString::fromUtf8(kHeader), key);
    qryQuery = QString::fromUtf8(kLines);
    openQuery(conn, key);
    showSite(conn);
    return found > 0;
}

void TfrmOBP010::showSite(db::Connection &conn)
{
    const QStringList company = companyLines(conn);
    for (int i = 0; i < kCompanyLines; ++i)
        (*qrbHeader)[QStringLiteral("qrlCompanyVal%1").arg(i)].setText(company[i]);
    if (!m_contract)
        return;
    Band &summary = report.summary();
    summary[QStringLiteral("qrlClauses")].setText(siteTexts(conn, kHeadContractClauses).join(u'\n'));
    summary[QStringLiteral("qrlOrderer")].setText(
        QStringLiteral("발주자 : %1  대표이사 %2  (인)").arg(company[0], company[2]));
}

bool TfrmOBP010::Execute(const QString &ordeDate, const QString &cCode, const QString &ordeNum, bool toPreview, QWidget *parent)
{
    bool done = false;
    RunUserAction([&] {
        open(dbsDB(), ordeDate, cCode, ordeNum);
        done = printOrPreview(toPreview, parent);
    });
    return done;
}

namespace reports {

Document buildContOrder(db::Connection &conn, const QStringList &parameters)
{
    const QString date = parameters.value(0).trimmed();
    const QString cCode = parameters.value(1).trimmed();
    const QString ordeNum = db::Query::scalar(conn, QStringLiteral(
        "SELECT MAX(ORDE_NUM) FROM OB010MS WHERE ORDE_DATE = :ORDE_DATE AND C_CODE = :C_CODE AND ORDE_NO = :ORDE_NO"),
        {{QStringLiteral("ORDE_DATE"), date}, {QStringLiteral("C_CODE"), cCode}, {QStringLiteral("ORDE_NO"), parameters.value(2).trimmed()}});
    TfrmOBP010 form(true);
    form.open(conn, date, cCode, ordeNum);
    return form.prepare();
}

} // namespace reports
