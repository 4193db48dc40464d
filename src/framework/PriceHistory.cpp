#include "framework/PriceHistory.h"
#include "framework/Records.h"
#include "widgets/RecordSet.h"

namespace {

// Newest receipt first; the inspection number and line keep receipts of
// one day in the order they were entered.
const char *const kLastReceipts =
    "SELECT A.INSP_DATE, B.C_CODE, B.C_NAME, A.COST_AMT "
    "  FROM OC010DT A, VA050MS B "
    " WHERE A.C_CODE = B.C_CODE AND A.ITEM_CODE = :ITEM_CODE "
    " ORDER BY A.INSP_DATE DESC, COALESCE(A.INSP_NO, '') DESC, A.INSP_SEQ DESC "
    " LIMIT 5";

} // namespace

PriceHistory::PriceHistory(QWidget *parent) : widgets::DataGrid(parent)
{
    m_records = new widgets::RecordSet(this);
    m_records->setFields({{QStringLiteral("INSP_DATE")}, {QStringLiteral("C_CODE")}, {QStringLiteral("C_NAME")},
                          {QStringLiteral("COST_AMT"), widgets::FieldKind::Number, {}}});
    setObjectName(QStringLiteral("rdgHistory"));
    setRowSelect(true);
    setColumns({
        // field       title       width  format
        {"INSP_DATE", "입고일자",    80},
        {"C_CODE",    "",             0},
        {"C_NAME",    "거래처명",   140},
        {"COST_AMT",  "입고단가",    90,   "#,##0.0000"},
    });
    setRecordSet(m_records);
}

void PriceHistory::showItem(db::Connection &conn, const QString &itemCode)
{
    if (itemCode.trimmed().isEmpty()) {
        m_records->clear();
        return;
    }
    OpenRecords(*m_records, conn, QString::fromLatin1(kLastReceipts), {{QStringLiteral("ITEM_CODE"), itemCode}});
}

#include "moc_PriceHistory.cpp"
