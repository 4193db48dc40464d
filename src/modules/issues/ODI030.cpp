#include "modules/issues/ODI030.h"

namespace {

TransferSpec spec()
{
    using widgets::col::Center;
    const auto c = [](const char *field, const char *title, int width, const char *format = "", widgets::col::Options options = {}) {
        return widgets::GridColumn{QLatin1String(field), QString::fromUtf8(title), width, QString::fromLatin1(format), options};
    };
    return {
        QStringLiteral("ODI030"), QStringLiteral("이동불출 의뢰 등록"), QStringLiteral("2"),
        QStringLiteral("불출기간"), QStringLiteral("불출일자"), QStringLiteral("불출창고"), QStringLiteral("출고창고"),
        QStringLiteral("불출번호"), QStringLiteral("[ 불출 품목 ]"),
        {c("MOVE_DATE", "불출일자", 80, "yyyy-mm-dd"), c("MOVE_NO", "불출번호", 100), c("FROM_STRG_CODE", "", 0),
         c("FROM_STRG_CODE_NM", "불출창고명", 110), c("DELI_NO", "출고번호", 100), c("TO_STRG_CODE", "", 0),
         c("TO_STRG_CODE_NM", "출고창고명", 110), c("MOVE_NUM", "", 0), c("MOVE_GUBUN", "", 0),
         c("MOVE_GUBUN_NM", "출고구분", 70, "", Center), c("DELI_NUM", "", 0), c("APPR_GUBUN", "", 0),
         c("APPR_GUBUN_NM", "확정구분", 70, "", Center), c("APPR_DATE", "확정일자", 80, "yyyy-mm-dd"), c("APPR_EMP_NO", "", 0)},
        QStringLiteral("불출창고는 반드시 입력하세요"), QStringLiteral("출고창고는 반드시 입력하세요"),
        QStringLiteral("불출창고와 출고창고가 같습니다."), QStringLiteral("불출 품목을 입력하세요"),
        QStringLiteral("불출 수량이 현재고 수량을 초과 하였습니다"),
        QStringLiteral("이동불출 확정 처리된 자료는 수정할 수 없습니다."), QStringLiteral("이동불출 확정 처리된 자료는 삭제할 수 없습니다."),
        QStringLiteral("이동불출의뢰서"),
    };
}

} // namespace

TfrmODI030::TfrmODI030(QWidget *parent) : TransferEntry(spec(), parent) {}

#include "moc_ODI030.cpp"
