#include "modules/issues/ODI050.h"

namespace {

IssueEntrySpec spec()
{
    using widgets::col::Center;
    const auto c = [](const char *field, const char *title, int width, const char *format = "", widgets::col::Options options = {}) {
        return widgets::GridColumn{QLatin1String(field), QString::fromUtf8(title), width, QString::fromLatin1(format), options};
    };
    return {
        QStringLiteral("ODI050"), QStringLiteral("기타 출고 등록"), QStringLiteral("A.DELI_GUBUN IN ('4','5')"),
        {c("DELI_DATE", "출고일자", 80, "yyyy-mm-dd"), c("DELI_NO", "출고번호", 100), c("STRG_CODE", "출고창고CD", 0),
         c("STRG_CODE_NM", "출고창고명", 120), c("DELI_NUM", "출고넘버", 0), c("DELI_GUBUN", "출고구분CD", 0),
         c("DELI_GUBUN_NM", "출고구분", 70, "", Center)},
        false, {{QStringLiteral("4"), QStringLiteral("폐    기")}, {QStringLiteral("5"), QStringLiteral("손 망 실")}},
        QStringLiteral("출고일자는 반드시 입력하세요"), false, false,
    };
}

} // namespace

TfrmODI050::TfrmODI050(QWidget *parent) : IssueEntry(spec(), parent) {}

#include "moc_ODI050.cpp"
