#pragma once
// The confirmation screens of issues and transfers share one shape: a list
// of documents with a tick column, the lines of the current one, and a panel
// that confirms the ticked documents not confirmed and cancels the
// confirmation of the ticked confirmed ones, each posted or reversed by its
// procedure in one run.
//
// Each ticked document's state is read again inside the run, after its row
// is taken: a document another workstation confirmed, cancelled or deleted
// since the search is passed over and named afterwards, so that no document
// is posted or reversed twice. A cancellation is refused when the day the
// document was confirmed on is closed, whatever day the field holds.

#include "framework/Records.h"
#include "framework/ZOI010.h"
#include "widgets/GridColumn.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class TPopupBtn;
namespace widgets { class DataGrid; class MaskEdit; class RecordSet; }

struct ConfirmationSpec {
    QString programId;
    QString caption;
    QString panelCaption;          // e.g. "[ 출고확정 ]  확정일자"
    QString dateField;             // search range medXXX_S/E, parameters :XXX_S/:XXX_E
    QString warehouseLabel;        // search warehouse edtSTRG_CODE_S, parameter :STRG_CODE
    QString numberLabel;           // document number caption, e.g. "출고번호"
    QString numberField;           // search field edtXXX_S, parameter :XXX; the key of a document
    QList<widgets::GridColumn> columns;   // list rgdOD010MS: SEL, …, numberField, APPR_GUBUN, APPR_GUBUN_NM,
                                          // APPR_DATE, APPR_EMP_NO, APPR_EMP_NO_NM
    QString select;                // the list; parameters as above and :APPR_GUBUN
    QString linesGrid;             // object name of the line grid
    QString linesSeq;              // its hidden row number field
    QString lines;                 // the lines of the current document, parameters from its fields
    QString lockSql;               // takes the document's row (by :NO)
    QString stateSql;              // its stored APPR_GUBUN and APPR_DATE (by :NO)
    // Confirms (true) or cancels one document of the list; a refusal is raised
    // as EUserExcept and ends the whole run.
    std::function<void(db::Connection &, const widgets::RecordSet &, int row, bool confirm, const QString &date,
                       const QString &empNo)> act;
};

class ConfirmationScreen : public TfrmZOI010 {
    Q_OBJECT
public:
    ConfirmationScreen(ConfirmationSpec spec, QWidget *parent = nullptr);

    widgets::MaskEdit *medDATE_S, *medDATE_E, *medAPPR_DATE;
    QLineEdit *edtSTRG_CODE_S, *edtSTRG_CODE_NM_S, *edtNO_S, *edtAPPR_EMP_NO, *edtAPPR_EMP_NO_NM;
    QComboBox *cobAPPR_GUBUN;
    TPopupBtn *pbtnAPPR_EMP_NO;
    QPushButton *bbtAppr;
    widgets::DataGrid *rgdList, *rgdLines;
    widgets::RecordSet *cdsList, *cdsLines;

    void bbtApprClick();

protected:
    void glSelect() override;
    void glOnEnterEvent(QWidget *control) override;
    void glOnExitEvent(QWidget *control) override;
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;

private:
    void buildSearchPanel();
    void buildConfirmPanel();
    void buildGrids();
    void listRowChanged();
    void employeePicked();
    QString confirmedOn(db::Connection &conn, const QString &no) const;

    ConfirmationSpec m_spec;
    QStringList m_lineKey;         // the list's fields the lines statement names
};
