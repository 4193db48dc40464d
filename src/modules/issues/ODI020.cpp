#include "modules/issues/ODI020.h"

namespace {

TransferSpec spec()
{
    using widgets::col::Center;
    const auto c = [](const char *field, const char *title, int width, const char *format = "", widgets::col::Options options = {}) {
        return widgets::GridColumn{QLatin1String(field), QString::fromUtf8(title), width, QString::fromLatin1(format), options};
    };
    return {
        QStringLiteral("ODI020"), QStringLiteral("이동출고 의뢰 등록"), QStringLiteral("1"),
        QStringLiteral("이동기간"), QStringLiteral("출고일자"), QStringLiteral("From 창고"), QStringLiteral("To 창고"),
        QStringLiteral("이동번호"), QStringLiteral("[ 이동 품목 ]"),
        {c("MOVE_DATE", "출고일자", 80, "yyyy-mm-dd"), c("MOVE_NO", "이동번호", 100), c("FROM_STRG_CODE", "From창고", 60),
         c("FROM_STRG_CODE_NM", "From 창고명", 110), c("TO_STRG_CODE", "To창고", 60), c("TO_STRG_CODE_NM", "To 창고명", 110),
         c("MOVE_NUM", "이동넘버", 0), c("MOVE_GUBUN", "출고구분CD", 0), c("MOVE_GUBUN_NM", "출고구분", 70, "", Center),
         c("APPR_GUBUN", "확정구분코드", 0), c("APPR_GUBUN_NM", "확정구분", 70, "", Center),
         c("APPR_DATE", "확정일자", 80, "yyyy-mm-dd"), c("DELI_NO", "", 0), c("DELI_NUM", "", 0), c("APPR_EMP_NO", "", 0)},
        QStringLiteral("출고창고는 반드시 입력하세요"), QStringLiteral("입고창고는 반드시 입력하세요"),
        QStringLiteral("출고창고와 입고창고가 같습니다."), QStringLiteral("이동 품목을 입력하세요"),
        QStringLiteral("출고 수량이 현재고 수량을 초과 하였습니다"),
        QStringLiteral("이동출고 확정 처리된 자료는 수정할 수 없습니다."), QStringLiteral("이동출고 확정 처리된 자료는 삭제할 수 없습니다."),
        QStringLiteral("이동출고의뢰서"),
    };
}

} // namespace

TfrmODI020::TfrmODI020(QWidget *parent) : TransferEntry(spec(), parent) {}

#include "moc_ODI020.cpp"
