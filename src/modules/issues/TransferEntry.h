#pragma once
// The entry screens of transfers between warehouses share one shape: a list
// of transfers of one kind, the header with the source and the target
// warehouse, the lines with the source's stock, saved as confirmed and posted
// at once; only a transfer whose confirmation was cancelled can be changed.
// A transfer issue-out also writes the issue of the target warehouse with
// the same lines, which follows the transfer in every step.

#include "framework/Binding.h"
#include "framework/Records.h"
#include "framework/ZOI010.h"
#include "widgets/GridColumn.h"

class LineEditor;
class QLineEdit;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class NumEdit; class RecordSet; }

struct TransferSpec {
    QString programId;
    QString caption;
    QString kind;                  // MOVE_GUBUN: '1' transfer, '2' transfer issue-out (with its issue)
    QString periodLabel, dateLabel, sourceLabel, targetLabel, numberLabel, linesCaption;
    QList<widgets::GridColumn> columns;   // the list rgdOD020MS
    QString sourceRequired, targetRequired, sameWarehouses, linesRequired, shortfall;
    QString editRefusal, deleteRefusal;
    QString printTitle;
    bool issueLeg() const { return kind == QLatin1String("2"); }
};

class TransferEntry : public TfrmZOI010 {
    Q_OBJECT
public:
    TransferEntry(TransferSpec spec, QWidget *parent = nullptr);

    // search panel
    widgets::MaskEdit *medMOVE_DATE_S, *medMOVE_DATE_E;
    QLineEdit *edtFROM_STRG_CODE_S, *edtFROM_STRG_CODE_NM_S, *edtTO_STRG_CODE_S, *edtTO_STRG_CODE_NM_S;
    // header
    QWidget *panHeader;
    widgets::MaskEdit *medMOVE_DATE;
    QLineEdit *edtFROM_STRG_CODE, *edtFROM_STRG_CODE_NM, *edtTO_STRG_CODE, *edtTO_STRG_CODE_NM, *edtMOVE_NO, *edtDELI_NO;
    // lists
    widgets::DataGrid *rgdOD020MS, *rgdOD020DT;
    widgets::RecordSet *cdsOD020MS, *cdsOD020DT;
    // line input
    QLineEdit *edtITEM_CODE, *edtITEM_NAME, *edtITEM_STANDARD1, *edtSOOBUL_UNIT_NM, *edtREMARK;
    widgets::NumEdit *edtQTY, *edtStock_Qty;
    QPushButton *btnLineAppend, *btnLineDelete;

    // The current transfer's request form.
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
    void showCurrentTransfer();
    void refreshStock();
    bool stockAllows() const;
    void setHeaderEditable(bool editable, bool keyLocked);
    Params currentKey() const;
    QString writeTransfer(bool inserting, const QString &date, const QString &from, const QString &to);
    void writeIssueLeg(bool inserting, const QString &date, const QString &to, const QString &deliNo);

    TransferSpec m_spec;
    RecordBinding m_header;
    LineEditor *m_lines = nullptr;
    Params m_editKey;
    bool m_started = false;
};
