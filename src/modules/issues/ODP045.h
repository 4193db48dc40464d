#pragma once
// 반품명세서 (전체출력): the report window showing the return statement of
// every return of a search ("RETU_REPORT.mrd") for the argument text its
// caller sets.

#include "reports/Viewer.h"

class TfrmODP045 : public reports::ReportViewer {
    Q_OBJECT
public:
    explicit TfrmODP045(QWidget *parent = nullptr);

    static constexpr const char *kReport = "/report/구매자재관리/RETU_REPORT.mrd";

    // "/rp[start][end][supplier][warehouse]"; the report opens when the window shows.
    void setArgument(const QString &text) { setParameterText(text); }
    QString argument() const { return parameterText(); }
};
