#include "modules/issues/ODI010.h"

namespace {

IssueEntrySpec spec()
{
    using widgets::col::Center;
    const auto c = [](const char *field, const char *title, int width, const char *format = "", widgets::col::Options options = {}) {
        return widgets::GridColumn{QLatin1String(field), QString::fromUtf8(title), width, QString::fromLatin1(format), options};
    };
    return {
        QStringLiteral("ODI010"), QStringLiteral("출고 의뢰 등록"), QStringLiteral("1 = 1"),
        {c("DELI_DATE", "출고일자", 80, "yyyy-mm-dd"), c("STRG_CODE", "창고코드", 60), c("STRG_CODE_NM", "창 고 명", 120),
         c("DELI_NUM", "출고넘버", 0), c("DELI_NO", "출고번호", 100), c("DELI_GUBUN", "출고구분CD", 0),
         c("DELI_GUBUN_NM", "출고구분", 70, "", Center), c("APPR_GUBUN", "확정구분코드", 0),
         c("APPR_GUBUN_NM", "확정구분", 70, "", Center), c("APPR_DATE", "확정일자", 80, "yyyy-mm-dd"), c("APPR_EMP_NO", "", 0)},
        true, {}, QStringLiteral("이동일자는 반드시 입력하세요"), true, true,
    };
}

} // namespace

TfrmODI010::TfrmODI010(QWidget *parent) : IssueEntry(spec(), parent) {}

#include "moc_ODI010.cpp"
