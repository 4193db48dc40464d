#pragma once
// 계약관련발주서: the report window showing the contract order of the
// report catalogue ("Cont_Order.mrd") for the argument text its caller sets.

#include "reports/Viewer.h"

class TfrmOBP015 : public reports::ReportViewer {
    Q_OBJECT
public:
    explicit TfrmOBP015(QWidget *parent = nullptr);

    static constexpr const char *kReport = "report/구매자재관리/Cont_Order.mrd";

    // "/rp [order date][supplier][order number]"; the report opens when the window shows.
    void setArgument(const QString &text) { setParameterText(text); }
    QString argument() const { return parameterText(); }
};
