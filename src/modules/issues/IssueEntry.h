#pragma once
// The entry screens of issue documents share one shape: a list of issues,
// the header with the issuing warehouse, the lines with its stock (tested
// when a line is added and again at save) and a save that posts the issue.
//
// Two ways of keeping an issue: a normal issue carries a confirmation state
// (saved as confirmed; changed or deleted only after its confirmation was
// cancelled elsewhere, when it is not posted), an other issue (disposal,
// loss) is posted for as long as it exists (a change reverses the posting
// and posts the new content, a delete reverses it).

#include "framework/Binding.h"
#include "framework/Records.h"
#include "framework/ZOI010.h"
#include "widgets/GridColumn.h"

#include <QMap>

class LineEditor;
class QComboBox;
class QLineEdit;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class NumEdit; class RecordSet; }

struct IssueEntrySpec {
    QString programId;
    QString caption;
    QString kindFilter;            // condition over A.DELI_GUBUN of the listed issues
    QList<widgets::GridColumn> columns;   // the list rgdOD010MS
    bool confirmed;                // a normal issue: kind '1' saved as confirmed
    QList<QPair<QString, QString>> kinds;   // an other issue: the kinds to choose (code, name)
    QString dateRequired;
    bool loadsCounts;              // "실사조정 자료 불러오기" for outlets
    bool prints;                   // the issue request form, to the preview or the printer
};

class IssueEntry : public TfrmZOI010 {
    Q_OBJECT
public:
    IssueEntry(IssueEntrySpec spec, QWidget *parent = nullptr);

    // search panel
    widgets::MaskEdit *medDELI_DATE_S, *medDELI_DATE_E;
    QLineEdit *edtSTRG_CODE_S, *edtSTRG_CODE_NM_S;
    // header
    QWidget *panHeader;
    widgets::MaskEdit *medDELI_DATE;
    QLineEdit *edtSTRG_CODE, *edtSTRG_CODE_NM, *edtDELI_NO;
    QComboBox *cbDELI_GUBUN = nullptr;
    // lists
    widgets::DataGrid *rgdOD010MS, *rgdOD010DT;
    widgets::RecordSet *cdsOD010MS, *cdsOD010DT;
    // line input
    QLineEdit *edtITEM_CODE, *edtITEM_NAME, *edtITEM_STANDARD1, *edtSOOBUL_UNIT_NM, *edtREMARK;
    widgets::NumEdit *edtQTY, *edtStock_Qty;
    widgets::MaskEdit *medSILS_DATE = nullptr;
    QPushButton *btnLineAppend, *btnLineDelete, *btnLoad = nullptr;

    void btnLoadClick();
    // The current issue's request form.
    void print(bool toPreview);

protected:
    void glSelect() override;
    void glInsert() override;
    void glEdit() override;
    void glSave() override;
    void glCancel() override;
    bool glDelete() override;
    void glOnExitEvent(QWidget *control) override;
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildSearchPanel();
    void buildList();
    void buildHeader();
    void buildLines();
    void showCurrentIssue();
    void refreshStock();
    bool stockAllows() const;
    void setHeaderEditable(bool editable, bool keyLocked);
    Params currentKey() const;
    QString kindCode() const;
    QString kindName(const QString &code) const;
    QString writeIssue(bool inserting, const QString &date, const QString &strg, const QString &deliNo);

    IssueEntrySpec m_spec;
    RecordBinding m_header;
    LineEditor *m_lines = nullptr;
    Params m_editKey;
    // What the posted issue being changed holds of each item: its save gives it back first.
    QMap<QString, double> m_givenBack;
    bool m_started = false;
};
