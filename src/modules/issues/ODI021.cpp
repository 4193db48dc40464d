#include "modules/issues/ODI021.h"

#include "modules/issues/TransferConfirmation.h"

namespace {

QList<widgets::GridColumn> columns()
{
    using namespace widgets::col;
    const auto c = [](const char *field, const char *title, int width, const char *format = "", Options options = {}) {
        return widgets::GridColumn{QLatin1String(field), QString::fromUtf8(title), width, QString::fromLatin1(format), options};
    };
    return {c("SEL", "선택", 36, "", Tick | Center), c("MOVE_DATE", "의뢰일자", 80, "yyyy-mm-dd", Sortable),
            c("FROM_STRG_CODE", "FROM창고코드", 60), c("FROM_STRG_CODE_NM", "FROM창고", 110, "", Sortable),
            c("TO_STRG_CODE", "TO창고코드", 60), c("TO_STRG_CODE_NM", "TO창고", 110), c("MOVE_NUM", "출고넘버", 0),
            c("MOVE_NO", "출고번호", 100), c("APPR_GUBUN", "확정구분CD", 0), c("APPR_GUBUN_NM", "확정구분", 70, "", Center),
            c("APPR_DATE", "확정일자", 80, "yyyy-mm-dd", Sortable), c("APPR_EMP_NO", "확정사번", 0),
            c("APPR_EMP_NO_NM", "확정사원", 80), c("DELI_NO", "", 0)};
}

} // namespace

TfrmODI021::TfrmODI021(QWidget *parent)
    : ConfirmationScreen(TransferConfirmationSpec(QStringLiteral("ODI021"), QStringLiteral("이동출고확정"), QStringLiteral("1"),
                                                  QStringLiteral("[ 이동확정 ]  확정일자"), QStringLiteral("From창고"),
                                                  QStringLiteral("출고번호"), columns()),
                         parent)
{
}

#include "moc_ODI021.cpp"
