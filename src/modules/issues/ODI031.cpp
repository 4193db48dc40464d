#include "modules/issues/ODI031.h"

#include "modules/issues/TransferConfirmation.h"

namespace {

QList<widgets::GridColumn> columns()
{
    using namespace widgets::col;
    const auto c = [](const char *field, const char *title, int width, const char *format = "", Options options = {}) {
        return widgets::GridColumn{QLatin1String(field), QString::fromUtf8(title), width, QString::fromLatin1(format), options};
    };
    return {c("SEL", "선택", 36, "", Tick | Center), c("MOVE_DATE", "의뢰일자", 80, "yyyy-mm-dd", Sortable),
            c("FROM_STRG_CODE", "", 0), c("FROM_STRG_CODE_NM", "불출창고", 110, "", Sortable), c("TO_STRG_CODE", "", 0),
            c("TO_STRG_CODE_NM", "출고창고", 110), c("MOVE_NUM", "", 0), c("MOVE_NO", "이동번호", 100),
            c("DELI_NO", "출고번호", 100), c("APPR_GUBUN", "", 0), c("APPR_GUBUN_NM", "확정구분", 70, "", Center),
            c("APPR_DATE", "확정일자", 80, "yyyy-mm-dd", Sortable), c("APPR_EMP_NO", "", 0), c("APPR_EMP_NO_NM", "확정사원", 80)};
}

} // namespace

TfrmODI031::TfrmODI031(QWidget *parent)
    : ConfirmationScreen(TransferConfirmationSpec(QStringLiteral("ODI031"), QStringLiteral("이동불출확정"), QStringLiteral("2"),
                                                  QStringLiteral("[ 불출확정 ]  확정일자"), QStringLiteral("불출창고"),
                                                  QStringLiteral("이동번호"), columns()),
                         parent)
{
}

#include "moc_ODI031.cpp"
