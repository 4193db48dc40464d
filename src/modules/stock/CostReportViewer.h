#pragma once
// The screens that compile the daily cost report of a date and then show
// report files of the catalogue for it ("마감/조회(F3)"): the date field
// "조회일자 :", one or two report viewers below it.

#include "framework/ZZS010.h"

namespace reports { class ReportViewer; }
namespace widgets { class MaskEdit; }

// One viewer: the report file and how the date becomes its argument value.
struct CostReportView {
    QString objectName;            // "Rdviewer401"
    QString reportFile;            // "DAILYFB.mrd"
    bool digitsOnly = false;       // the date as eight digits instead of 'YYYY-MM-DD'
};

class CostReportViewer : public TfrmZZS010 {
    Q_OBJECT
public:
    CostReportViewer(const QString &programId, const QString &procedure, const QVector<CostReportView> &views,
                     QWidget *parent = nullptr);

    bool bbtSearchClick() override;

    widgets::MaskEdit *medDate;
    reports::ReportViewer *viewer(int index) const { return m_viewers.value(index); }

    // The argument string "/rp [value]" a viewer gets for the date field's text.
    static QString argument(const QString &dateText, bool digitsOnly);

private:
    QString m_procedure;
    QVector<CostReportView> m_views;
    QVector<reports::ReportViewer *> m_viewers;
};
