#include "modules/master/OXI020.h"
#include "framework/TreePanel.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

const char *const kColumns = "SELECT DIVIDE_PATH, DIVIDE_CODE, DIVIDE_NAME, PARENT_CODE, DIVIDE_NO, DIVIDE_LEVEL ";

const char *const kSearch =
    "FROM OX030MS_VIEW "
    "WHERE DIVIDE_CODE LIKE COALESCE(:DIVIDE_CODE,'') || '%' "
    "  AND DIVIDE_NAME LIKE COALESCE(:DIVIDE_NAME,'') || '%' "
    "ORDER BY DIVIDE_NO";

// A class and every class below it.
const char *const kBelow =
    "WITH RECURSIVE BELOW (DIVIDE_CODE) AS ("
    "  SELECT DIVIDE_CODE FROM OX030MS WHERE PARENT_CODE = :DIVIDE_CODE "
    "  UNION ALL "
    "  SELECT C.DIVIDE_CODE FROM OX030MS C, BELOW B WHERE C.PARENT_CODE = B.DIVIDE_CODE) "
    "SELECT DIVIDE_PATH, DIVIDE_CODE, DIVIDE_NAME, PARENT_CODE, DIVIDE_NO, DIVIDE_LEVEL FROM OX030MS_VIEW "
    "WHERE DIVIDE_CODE = :DIVIDE_CODE OR DIVIDE_CODE IN (SELECT DIVIDE_CODE FROM BELOW) "
    "ORDER BY DIVIDE_NO";

const char *const kInsert =
    "INSERT INTO OX030MS (DIVIDE_CODE, DIVIDE_NAME, PARENT_CODE, DIVIDE_LEVEL, DIVIDE_NO, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:DIVIDE_CODE, :DIVIDE_NAME, :PARENT_CODE, :DIVIDE_LEVEL, :DIVIDE_NO, :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kUpdate =
    "UPDATE OX030MS SET DIVIDE_NAME = :DIVIDE_NAME, PARENT_CODE = :PARENT_CODE, DIVIDE_NO = :DIVIDE_NO, "
    "       DIVIDE_LEVEL = :DIVIDE_LEVEL, U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    " WHERE DIVIDE_CODE = :OLD_DIVIDE_CODE";

const char *const kDelete = "DELETE FROM OX030MS WHERE DIVIDE_CODE = :OLD_DIVIDE_CODE";

// Code and parent lengths of each level, and the hint shown for it.
struct LevelRule {
    int codeLength;
    int parentLength;   // 0: no limit
    const char *hint;
};
constexpr LevelRule kLevels[] = {
    {1, 0, "길이 : X (1)"},
    {3, 1, "길이 : XXX (3)"},
    {5, 3, "길이 : XXXXX (5)"},
};

RecordEntrySpec spec()
{
    using namespace widgets;
    RecordEntrySpec s;
    s.selectSql = QString::fromLatin1(kColumns) + QString::fromLatin1(kSearch);
    s.search = {
        // label       object name         parameter       max  upper case
        {"유형코드",    "edtDivide_code",   "DIVIDE_CODE",   5,   true},
        {"유 형 명",    "edtDivide_name",   "DIVIDE_NAME"},
    };
    s.columns = {
        // field          title        width
        {"DIVIDE_PATH",  "위치",        220},
        {"DIVIDE_CODE",  "유형코드",     70},
        {"DIVIDE_NAME",  "유 형 명",    140},
        {"PARENT_CODE",  "상위유형",     70},
        {"DIVIDE_NO",    "정렬순서",     70},
        {"DIVIDE_LEVEL", "",             0},
    };
    s.inputs = {
        // field          label          object name        max  note  required message
        {"DIVIDE_CODE",  "* 유형코드",   "dbeDivide_code",   5,  {},   "유형코드는 반드시 입력하세요"},
        {"DIVIDE_NAME",  "유 형 명",     "dbeDivide_name",  40,  {},   "유형명은 반드시 입력하세요"},
        {"PARENT_CODE",  "상위유형",     "dbeParent_code",   3},
        {"DIVIDE_NO",    "정렬순서",     "dbeDivide_no",     6},
    };
    s.keyField = QStringLiteral("DIVIDE_CODE");
    s.insertSql = QString::fromLatin1(kInsert);
    s.updateSql = QString::fromLatin1(kUpdate);
    s.deleteSql = QString::fromLatin1(kDelete);
    s.listKeys = true;
    return s;
}

} // namespace

TfrmOXI020::TfrmOXI020(QWidget *parent) : RecordEntryScreen(QStringLiteral("OXI020"), spec(), parent)
{
    tree = addTree(QStringLiteral("SELECT * FROM OX030MS_VIEW"), QStringLiteral("DIVIDE_TREE"), QStringLiteral("DIVIDE_CODE"),
                   [this](const QString &code) { listBelow(code); });

    // The level box and its length hint, below the declared fields.
    cboGubun = new QComboBox(panInput);
    cboGubun->setObjectName(QStringLiteral("cboGubun"));
    cboGubun->addItems({QStringLiteral("대분류"), QStringLiteral("중분류"), QStringLiteral("소분류")});
    cboGubun->setCurrentIndex(-1);
    lblLength = new QLabel(panInput);
    lblLength->setObjectName(QStringLiteral("lblLength"));
    inputLayout()->addWidget(new QLabel(QStringLiteral("분류항목"), panInput), 4, 0);
    inputLayout()->addWidget(cboGubun, 4, 1);
    inputLayout()->addWidget(lblLength, 5, 1);
    setTabOrder(input(QStringLiteral("DIVIDE_NO")), cboGubun);
    HookControls(panInput);

    // Level 1 grey, level 2 button face, level 3 white.
    grid()->setRowStyler([this](int row, widgets::CellStyle &style) {
        switch (records()->value(row, QStringLiteral("DIVIDE_LEVEL")).toInt()) {
        case 1:
            style.background = QColor(Qt::lightGray);
            break;
        case 2:
            style.background = palette().color(QPalette::Button);
            break;
        default:
            style.background = QColor(Qt::white);
        }
    });
    connect(records(), &widgets::RecordSet::afterScroll, this, &TfrmOXI020::showRecordLevel);
}

void TfrmOXI020::listBelow(const QString &divideCode)
{
    listRows(QString::fromLatin1(kBelow), {{QStringLiteral("DIVIDE_CODE"), divideCode}});
    glEnabledCheck();
}

void TfrmOXI020::showRecordLevel()
{
    if (records()->isEmpty() || WorkMode == wmInsert)
        return;
    cboGubun->setCurrentIndex(int(records()->number(QStringLiteral("DIVIDE_LEVEL"))) - 1);
    applyLevel();
}

void TfrmOXI020::applyLevel()
{
    const int level = cboGubun->currentIndex();
    if (level < 0) {
        lblLength->clear();
        return;
    }
    const LevelRule &rule = kLevels[level];
    input(QStringLiteral("DIVIDE_CODE"))->setMaxLength(rule.codeLength);
    input(QStringLiteral("PARENT_CODE"))->setMaxLength(rule.parentLength > 0 ? rule.parentLength : 32767);
    lblLength->setText(QString::fromUtf8(rule.hint));
}

void TfrmOXI020::glInsert()
{
    const QString nodeCode = tree->currentKey();
    // Not the shared insert: its focus on the code field would fill the sort key on the way.
    records()->append();
    ClearPanel(panInput);
    // No level yet: the declared lengths until one is chosen.
    input(QStringLiteral("DIVIDE_CODE"))->setMaxLength(5);
    input(QStringLiteral("PARENT_CODE"))->setMaxLength(3);
    records()->setValue(QStringLiteral("DIVIDE_CODE"), nodeCode);
    records()->setValue(QStringLiteral("PARENT_CODE"), nodeCode);
    cboGubun->setCurrentIndex(-1);
    lblLength->clear();
    cboGubun->setFocus();
}

void TfrmOXI020::glEdit()
{
    RecordEntryScreen::glEdit();
    input(QStringLiteral("DIVIDE_CODE"))->setFocus();
}

void TfrmOXI020::glOnExitEvent(QWidget *control)
{
    RecordEntryScreen::glOnExitEvent(control);
    if (control == cboGubun) {
        applyLevel();
    } else if (control == input(QStringLiteral("DIVIDE_CODE")) && WorkMode != wmBrowse
               && records()->text(QStringLiteral("DIVIDE_NO")).isEmpty()) {
        records()->setValue(QStringLiteral("DIVIDE_NO"), records()->text(QStringLiteral("DIVIDE_CODE")));
    }
}

bool TfrmOXI020::validate()
{
    if (cboGubun->currentIndex() < 0) {
        ShowInfo(QStringLiteral("분류항목을 선택하십시오"));
        cboGubun->setFocus();
        return false;
    }
    if (!RecordEntryScreen::validate())
        return false;
    records()->setValue(QStringLiteral("DIVIDE_LEVEL"), cboGubun->currentIndex() + 1);
    return true;
}

void TfrmOXI020::afterSave(bool inserted)
{
    if (inserted)
        redrawTree();
}

void TfrmOXI020::afterDelete() { redrawTree(); }

#include "moc_OXI020.cpp"
