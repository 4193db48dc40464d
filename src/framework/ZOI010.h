#pragma once
// The entry screen controller: one fixed cycle of search, new, edit, save,
// cancel and delete over the screen's list, the buttons that each mode
// allows, keyboard movement through the input fields and the conventions of
// saving in one transaction. A screen fills in the gl… operations.

#include "framework/FieldHooks.h"
#include "framework/ZZI010.h"

#include <QPointer>

class Lookups;
class TPopupBtn;
class QToolButton;
struct Lookup;
class QLabel;
namespace db { class Connection; }
namespace widgets { class GridBase; class RecordSet; }

enum WorkModes : quint8 { wmBrowse = 0, wmEdit = 1, wmInsert = 2 };

// How a screen's save or delete shows a failed statement.
enum class FailureForm { Quiet, Reporting };

class TfrmZOI010 : public TfrmZZI010, public FieldHandlers {
    Q_OBJECT
public:
    TfrmZOI010(const QString &programId, QWidget *parent = nullptr);

    quint8 WorkMode = wmBrowse;
    int RecordCount = 0;
    bool SaveOK = false;

    // Recomputes the usable buttons and panels from WorkMode and RecordCount.
    void glEnabledCheck();
    // The server's date as 'yyyy-mm-dd'.
    QString GetSystemDate();
    // Empties the input controls lying directly on `panel`.
    static void ClearPanel(QWidget *panel);
    // Sets "RecordCount : n" in the count panel.
    void ShowRecordCount();

    bool bbtAddClick();
    bool bbtEditClick();
    bool bbtDeleteClick();
    bool bbtSaveClick() override;
    bool bbtCancelClick() override;
    bool bbtSearchClick() override;
    void sbtFirstClick();
    void sbtPriorClick();
    void sbtNextClick();
    void sbtLastClick();
    // "엑셀": the list grid into a spreadsheet file (ExcelExport.h).
    void bbtExcelClick();

    // Writes every input control under `container` into the keyboard and
    // focus handling (done once at creation; screens that add controls later
    // call it for them).
    void HookControls(QWidget *container);

    // Declares the screen's code searches (framework/Lookups.h): creates or
    // finds their buttons; F1, entering and leaving their fields and a pick
    // then work through the gl… handlers below.
    void InstallLookups(const QList<Lookup> &lookups);
    TPopupBtn *PopupBtn(const QString &objectName) const;

    QToolButton *sbtFirst, *sbtPrior, *sbtNext, *sbtLast;
    QPushButton *bbtExcel, *bbtPrint, *bbtPreview, *bbtAdd, *bbtEdit, *bbtDelete;
    QFrame *panMaster;
    QWidget *panDisplay;
    QFrame *panInput;
    QFrame *panRecordCount;
    QLabel *panRecordCnt;

protected:
    // The operations of a screen; each override calls the inherited one first.
    void glOnEnterEvent(QWidget *control) override;
    void glOnExitEvent(QWidget *control) override;
    // True when the key was used up (the original's Key := 0).
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;
    void glOnKeyPress(QWidget *control, QKeyEvent *event) override;
    virtual void glInsert() {}
    virtual void glEdit() {}
    virtual void glSave() {}
    virtual void glCancel() {}
    // Returns whether something was deleted: the controller reports a
    // deletion only then (a declined confirmation deletes nothing).
    virtual bool glDelete() { return false; }
    virtual void glSelect() {}
    // The record set of the screen's list, moved by the navigation buttons.
    void setListRecords(widgets::RecordSet *records) { m_list = records; }
    widgets::RecordSet *listRecords() const { return m_list; }
    // The list grid that "엑셀" exports (a data-bound or a plain grid) and the
    // subtitle that follows the caption in the sheet's title. A screen that
    // offers the export also shows bbtExcel.
    void setExcelGrid(widgets::GridBase *grid, const QString &subtitle = {});

    // Runs `body` in a transaction on the program's connection (joining one
    // that is active): commit on success; on failure rollback, and in the
    // reporting form the standard error display. True when committed.
    bool RunInTransaction(FailureForm form, const std::function<void()> &body);

    void FormCreate();
    bool eventFilter(QObject *watched, QEvent *event) override;

    QHBoxLayout *m_masterLayout;

private:
    // Runs one operation, showing any failure with the standard error display.
    bool guarded(const std::function<void()> &operation);
    void afterNavigate(bool towardsStart);

    widgets::RecordSet *m_list = nullptr;
    QPointer<widgets::GridBase> m_excelGrid;
    QString m_excelSubtitle;
    FieldEvents m_fieldEvents{*this};
    Lookups *m_lookups = nullptr;
};

// The connection every screen writes through.
db::Connection &ScreenConnection();
