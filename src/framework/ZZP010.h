#pragma once
// Page frame of the printouts, A4 portrait: the title box with its shadow and
// the condition line printed once on top, and on every page the footer with
// the print date, "page / total", the program id and the company's logo and
// name. A printout derives from the frame (or TfrmZZP020 for landscape),
// adds its bands to `report`, opens its statement with the key values and
// runs printOrPreview().

#include "framework/Records.h"
#include "reports/Report.h"
#include "widgets/RecordSet.h"

namespace reports { class PreviewWindow; }

class TfrmZZP010 {
public:
    // `programId` is the printout's form name without "frm", e.g. "OBP010".
    explicit TfrmZZP010(const QString &programId, QPageLayout::Orientation orientation = QPageLayout::Portrait);
    virtual ~TfrmZZP010();
    TfrmZZP010(const TfrmZZP010 &) = delete;
    TfrmZZP010 &operator=(const TfrmZZP010 &) = delete;

    QString programId() const { return m_programId; }
    // Width of every band: the page inside the margins.
    double bandWidth() const { return report.printArea().width(); }

    reports::Report report;
    // The printout's statement and the records the detail band runs over.
    QString qryQuery;
    widgets::RecordSet cdsQuery;
    int openQuery(const Params &params);                          // on the program's connection
    int openQuery(db::Connection &conn, const Params &params);

    reports::Band *qrbHeader;
    reports::Element *qrsTitleShadow, *qrsTitle, *qrlTitle, *qrlCondition;
    reports::Band *qrbFooter;
    reports::Element *qrlDateLabel, *qrlDate, *qrlPageCurrent, *qrlPageSlash, *qrlPageTotal, *qrlProgramID;
    reports::Element *qriLogo, *qrlCompany, *qrlCompanyEng;

    void setTitle(const QString &title);            // also the preview's caption
    void setCondition(const QString &condition);    // the search conditions under the title

    // Lays out every page; each footer reads its page number and the total.
    reports::Document prepare();
    // Prepares and shows the preview window without waiting.
    reports::PreviewWindow *preview(QWidget *parent = nullptr);
    // Prepares, asks for the printer and prints with a progress window.
    bool print(QWidget *parent = nullptr);
    // The printout run of every printout: to the preview or to the printer.
    bool printOrPreview(bool toPreview, QWidget *parent = nullptr);

    // The company logo of the footer: "logo.png" in the program directory
    // when the site has put one there, else the built-in emblem.
    static QImage logo();

private:
    QString m_programId;
};
