// Code searches: the typed search with its single-match rule, the list
// window with its keys and its own search, and the lookups a screen
// declares, driven through the fields as a user types.

#include "db/Query.h"
#include "framework/Lookups.h"
#include "framework/PopupWnd.h"
#include "framework/ZOH010.h"
#include "framework/ZOI010.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "support/Typing.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QString kUnits = QStringLiteral(
    "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'Z0025' AND DETAIL <> ' ' AND ITEM1 = 'Y' ORDER BY DETAIL");
const QString kStores = QStringLiteral("SELECT STRG_CODE, STRG_NAME, DEPT_CODE FROM OX060MS ORDER BY STRG_CODE");
const QString kStoresBare = QStringLiteral("SELECT STRG_CODE, STRG_NAME FROM OX060MS");
const QString kItems = QStringLiteral(
    "SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1, "
    "(SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'Z0025' AND Z.DETAIL = A.GUMAE_UNIT) GUMAE_UNIT_NM "
    "FROM OX010MS A WHERE A.USE_YN = 'Y' ORDER BY A.ITEM_CODE");

QLineEdit *lineEdit(QWidget *parent, const QString &name, bool readOnly = false)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(readOnly);
    return e;
}

// An entry screen with the lookups of the kinds the screens use: a unit
// code in data-aware edits, a warehouse with a hidden third column and a
// button the screen placed itself, an item searched by its name, and a
// warehouse on the search panel.
class Screen : public TfrmZOI010 {
public:
    Screen() : TfrmZOI010(QStringLiteral("ZZT020"))
    {
        records = new widgets::RecordSet(this);
        records->setFields({{QStringLiteral("GUMAE_UNIT")}, {QStringLiteral("GUMAE_UNIT_NM")}});

        searchCode = lineEdit(panSearch, QStringLiteral("edtSTRG_CODE_S"));
        searchName = lineEdit(panSearch, QStringLiteral("edtSTRG_CODE_NM_S"), true);
        m_searchLayout->insertWidget(0, searchCode);
        m_searchLayout->insertWidget(1, searchName);

        auto *form = new QVBoxLayout(panInput);
        auto row = [&](std::initializer_list<QWidget *> widgets) {
            auto *line = new QHBoxLayout;
            for (QWidget *w : widgets)
                line->addWidget(w);
            form->addLayout(line);
        };
        unit = new widgets::DbEdit(records, QStringLiteral("GUMAE_UNIT"), panInput);
        unit->setObjectName(QStringLiteral("dbeGUMAE_UNIT"));
        unitName = new widgets::DbEdit(records, QStringLiteral("GUMAE_UNIT_NM"), panInput);
        unitName->setObjectName(QStringLiteral("dbeGUMAE_UNIT_NM"));
        unitName->setReadOnly(true);
        row({unit, unitName});
        strgCode = lineEdit(panInput, QStringLiteral("edtSTRG_CODE"));
        strgButton = new TPopupBtn(panInput);
        strgButton->setObjectName(QStringLiteral("pbtnSTRG_CODE"));
        strgName = lineEdit(panInput, QStringLiteral("edtSTRG_CODE_NM"), true);
        deptCode = lineEdit(panInput, QStringLiteral("edtDEPT_CODE"), true);
        row({strgCode, strgButton, strgName, deptCode});
        itemCode = lineEdit(panInput, QStringLiteral("edtITEM_CODE"), true);
        itemName = lineEdit(panInput, QStringLiteral("edtITEM_NAME"));
        itemStandard = lineEdit(panInput, QStringLiteral("edtITEM_STANDARD1"), true);
        itemUnit = lineEdit(panInput, QStringLiteral("edtGUMAE_UNIT_NM"), true);
        row({itemCode, itemName, itemStandard, itemUnit});
        remark = lineEdit(panInput, QStringLiteral("edtREMARK"));
        row({remark});
        FormCreate();

        InstallLookups({
            {QStringLiteral("pbtnGUMAE_UNIT"), {QStringLiteral("dbeGUMAE_UNIT"), QStringLiteral("dbeGUMAE_UNIT_NM")},
             kUnits, QStringLiteral("DETAIL")},
            {QStringLiteral("pbtnSTRG_CODE"),
             {QStringLiteral("edtSTRG_CODE"), QStringLiteral("edtSTRG_CODE_NM"), QStringLiteral("edtDEPT_CODE")},
             kStores, QStringLiteral("STRG_CODE"), TypedIn::Code,
             {QStringLiteral("코드"), QStringLiteral("창고명"), QStringLiteral("부서")},
             {QStringLiteral("10"), QStringLiteral("40"), QStringLiteral("0")}},
            {QStringLiteral("pbtnITEM_CODE"),
             {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"),
              QStringLiteral("edtGUMAE_UNIT_NM")},
             kItems, QStringLiteral("A.ITEM_NAME"), TypedIn::Name, {}, {},
             {.afterPick =
                  [this](TPopupBtn &b) {
                      if (!pickFailure.isEmpty())
                          throw db::DbError(pickFailure);
                      itemPicks << b.ReturnValue.value(0);
                  },
              .afterClear = [this] { ++itemClears; }}},
            {QStringLiteral("pbtnSTRG_CODE_S"), {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S")},
             kStoresBare, QStringLiteral("STRG_CODE")},
        });
    }

    widgets::RecordSet *records;
    widgets::DbEdit *unit, *unitName;
    QLineEdit *searchCode, *searchName, *strgCode, *strgName, *deptCode, *itemCode, *itemName, *itemStandard,
        *itemUnit, *remark;
    TPopupBtn *strgButton;
    QStringList itemPicks;
    int itemClears = 0;
    QString pickFailure;   // the screen's pick handler fails with this

protected:
    void glInsert() override
    {
        records->append();
        unit->setFocus();
    }
};

struct Opened {
    bool shown = false;
    QStringList codes;   // column 0 of the list as the window showed it
};

// Answers the next code search window: notes what it listed, then lets
// `act` work in it and returns the window's result.
void answerWindow(DialogRecorder &dialogs, Opened *opened, std::function<void(TfrmPopupWnd &)> act)
{
    dialogs.dialogHandlers.enqueue([opened, act](QDialog *d) {
        auto *wnd = qobject_cast<TfrmPopupWnd *>(d);
        if (!wnd)
            return int(QDialog::Rejected);
        if (opened) {
            opened->shown = true;
            for (int row = 0; row < wnd->DBGrid->rowCount(); ++row)
                opened->codes << wnd->DBGrid->cellText(0, row);
        }
        if (act)
            act(*wnd);
        return wnd->result();
    });
}

// Chooses the row whose column 0 shows `code` and presses Enter on the grid.
void pickCode(TfrmPopupWnd &wnd, const QString &code)
{
    for (int row = 0; row < wnd.DBGrid->rowCount(); ++row) {
        if (wnd.DBGrid->cellText(0, row) == code)
            wnd.DBGrid->setCurrentRow(row);
    }
    QTest::keyClick(wnd.DBGrid, Qt::Key_Return);
}

void search(TfrmPopupWnd &wnd, int column, const QString &text)
{
    wnd.ComboBox->setCurrentIndex(column);
    wnd.Edit->clear();
    typeText(wnd.Edit, text);
    QTest::keyClick(wnd.Edit, Qt::Key_Return);
}

QStringList column(const TfrmPopupWnd &wnd, int col)
{
    QStringList texts;
    for (int row = 0; row < wnd.DBGrid->rowCount(); ++row)
        texts << wnd.DBGrid->cellText(col, row);
    return texts;
}

void exec(db::Connection &conn, const QString &sql) { db::Query(conn, sql).exec(); }

void startInsert(Screen &s)
{
    QVERIFY(s.bbtAddClick());
    QCOMPARE(QApplication::focusWidget(), s.unit);
}

// Types into the field that has the focus and leaves it with Enter.
void typeAndLeave(QWidget *field, const QString &text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    typeText(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class TestLookup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statementLines_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("clauses outside parentheses and quotes") << QStringLiteral(
            "SELECT A, (SELECT MAX(B) FROM U WHERE U.K = T.K) M FROM T WHERE X = 'a and b' AND Y = 1 ORDER BY A")
            << QStringList{"SELECT A, (SELECT MAX(B) FROM U WHERE U.K = T.K) M", "FROM T", "WHERE X = 'a and b'",
                           "AND Y = 1", "ORDER BY A"};
        QTest::newRow("lines kept, words containing keywords not split")
            << QStringLiteral("SELECT BRAND, DATE_FROM\n  FROM T\n GROUP BY BRAND, DATE_FROM")
            << QStringList{"SELECT BRAND, DATE_FROM", "FROM T", "GROUP BY BRAND, DATE_FROM"};
    }
    void statementLines()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, lines);
        QCOMPARE(popup::clauseLines(sql), lines);
    }

    void typedStatementFromTheFullList_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("condition before ORDER BY") << kUnits << "DETAIL"
            << "SELECT DETAIL, DETAIL_NAME\nFROM ZX010MS\nWHERE HEAD = 'Z0025'\nAND DETAIL <> ' '\nAND ITEM1 = 'Y'\n"
               "AND DETAIL LIKE :DETAIL || '%'\nORDER BY DETAIL";
        QTest::newRow("no condition yet: the WHERE") << "SELECT C_CODE, C_NAME FROM VA050MS" << "C_NAME"
            << "SELECT C_CODE, C_NAME\nFROM VA050MS\nWHERE C_NAME LIKE :C_NAME || '%'";
        QTest::newRow("before GROUP BY, parameter without qualifier")
            << "SELECT A.PURC_DATE, MAX(A.PURC_NO) PURC_NO FROM OA010MS A WHERE A.APPR_GUBUN = '2' "
               "GROUP BY A.PURC_DATE ORDER BY A.PURC_DATE"
            << "A.PURC_NO"
            << "SELECT A.PURC_DATE, MAX(A.PURC_NO) PURC_NO\nFROM OA010MS A\nWHERE A.APPR_GUBUN = '2'\n"
               "AND A.PURC_NO LIKE :PURC_NO || '%'\nGROUP BY A.PURC_DATE\nORDER BY A.PURC_DATE";
    }
    void typedStatementFromTheFullList()
    {
        QFETCH(QString, sql);
        QFETCH(QString, column);
        QFETCH(QString, expected);
        QCOMPARE(popup::prefixStatement(sql, column), expected);
    }

    void searchConditionPlacement_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no WHERE, GROUP BY, ORDER BY: one WHERE line appended")
            << QStringList{"SELECT A, B", "FROM T"} << QStringList{"SELECT A, B", "FROM T", "WHERE C"};
        QTest::newRow("before ORDER BY") << QStringList{"SELECT A", "FROM T", "ORDER BY A"}
                                         << QStringList{"SELECT A", "FROM T", "WHERE C", "ORDER BY A"};
        QTest::newRow("before GROUP BY")
            << QStringList{"SELECT A", "FROM T", "GROUP BY A", "ORDER BY A"}
            << QStringList{"SELECT A", "FROM T", "WHERE C", "GROUP BY A", "ORDER BY A"};
        QTest::newRow("after the last AND of the WHERE")
            << QStringList{"SELECT A", "FROM T", "WHERE X = 1", "AND Y = 2", "ORDER BY A"}
            << QStringList{"SELECT A", "FROM T", "WHERE X = 1", "AND Y = 2", "AND C", "ORDER BY A"};
        QTest::newRow("AND of a join before the WHERE")
            << QStringList{"SELECT A", "FROM T JOIN U ON T.K = U.K", "AND T.L = U.L", "WHERE X = 1", "ORDER BY A"}
            << QStringList{"SELECT A", "FROM T JOIN U ON T.K = U.K", "AND T.L = U.L", "WHERE X = 1", "AND C", "ORDER BY A"};
        QTest::newRow("WHERE without AND")
            << QStringList{"SELECT A", "FROM T", "WHERE X = 1", "ORDER BY A"}
            << QStringList{"SELECT A", "FROM T", "WHERE X = 1", "AND C", "ORDER BY A"};
        QTest::newRow("sub-select on the WHERE line")
            << QStringList{"SELECT A", "FROM T", "WHERE X IN (SELECT D FROM U WHERE E = 1 AND F = 2)", "ORDER BY A"}
            << QStringList{"SELECT A", "FROM T", "WHERE X IN (SELECT D FROM U WHERE E = 1 AND F = 2)", "AND C", "ORDER BY A"};
    }
    void searchConditionPlacement()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        QCOMPARE(popup::withSearchCondition(lines, QStringLiteral("C")), expected);
    }

    void typedCodeSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("window");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("pick");     // empty: Escape
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("full code: taken without a window") << "HD" << false << QStringList() << "" << "HD" << "마리";
        QTest::newRow("prefix: just those codes, one picked")
            << "B" << true << QStringList{"BG", "BN", "BT", "BX"} << "BX" << "BX" << "BOX";
        QTest::newRow("prefix cancelled: nothing changes") << "M" << true << QStringList{"MG", "ML", "MT"} << ""
                                                           << "M" << "";
        QTest::newRow("no match: an empty list") << "ZZ" << true << QStringList() << "" << "ZZ" << "";
        QTest::newRow("a condition of the list holds") << "GL" << true << QStringList() << "" << "GL" << "";
    }
    void typedCodeSearch()
    {
        QFETCH(QString, typed);
        QFETCH(bool, window);
        QFETCH(QStringList, listed);
        QFETCH(QString, pick);
        QFETCH(QString, code);
        QFETCH(QString, name);
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        Opened opened;
        answerWindow(dialogs, &opened, [pick](TfrmPopupWnd &wnd) {
            if (pick.isEmpty())
                QTest::keyClick(wnd.DBGrid, Qt::Key_Escape);
            else
                pickCode(wnd, pick);
        });
        typeAndLeave(s.unit, typed);
        QCOMPARE(opened.shown, window);
        QCOMPARE(opened.codes, listed);
        QCOMPARE(s.unit->text(), code);
        QCOMPARE(s.unitName->text(), name);
        QCOMPARE(s.records->text(QStringLiteral("GUMAE_UNIT")), code);   // the record holds what the fields show
        QCOMPARE(s.records->text(QStringLiteral("GUMAE_UNIT_NM")), name);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void searchByName()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        typeAndLeave(s.itemName, QStringLiteral("한우 채"));   // one item: no window
        QCOMPARE(s.itemCode->text(), QStringLiteral("L1010003"));
        QCOMPARE(s.itemName->text(), QStringLiteral("한우 채끝"));
        QCOMPARE(s.itemStandard->text(), QStringLiteral("1kg/팩"));
        QCOMPARE(s.itemUnit->text(), QStringLiteral("KG"));
        QCOMPARE(s.itemPicks, QStringList{QStringLiteral("L1010003")});

        // Entering the name again clears the code and what came with it.
        const int clearsBefore = s.itemClears;
        s.itemName->setFocus();
        QCOMPARE(s.itemCode->text(), QString());
        QCOMPARE(s.itemStandard->text(), QString());
        QCOMPARE(s.itemName->text(), QStringLiteral("한우 채끝"));
        QCOMPARE(s.itemClears, clearsBefore + 1);

        Opened opened;
        answerWindow(dialogs, &opened, [](TfrmPopupWnd &wnd) { pickCode(wnd, QStringLiteral("L1010005")); });
        typeAndLeave(s.itemName, QStringLiteral("한우 "));
        QCOMPARE(opened.codes.size(), 6);
        QCOMPARE(s.itemName->text(), QStringLiteral("한우 사태"));
        QCOMPARE(s.itemCode->text(), QStringLiteral("L1010005"));
    }

    void hiddenColumnStillComesBack()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        bool checked = false;
        answerWindow(dialogs, nullptr, [&checked](TfrmPopupWnd &wnd) {
            QCOMPARE(wnd.windowTitle(), QStringLiteral("코드검색"));
            QVERIFY(wnd.DBGrid->isColumnVisible(0));
            QVERIFY(wnd.DBGrid->isColumnVisible(1));
            QVERIFY(!wnd.DBGrid->isColumnVisible(2));
            QCOMPARE(wnd.ComboBox->count(), 3);   // the chooser offers every column
            QCOMPARE(wnd.ComboBox->itemText(1), QStringLiteral("창고명"));
            const int digit = wnd.DBGrid->fontMetrics().horizontalAdvance(QLatin1Char('0'));
            QVERIFY(wnd.width() >= 2 * wnd.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 50 * digit + 15);
            pickCode(wnd, QStringLiteral("110"));
            checked = true;
        });
        s.strgCode->setFocus();
        QTest::keyClick(s.strgCode, Qt::Key_F1);
        QVERIFY(checked);
        QCOMPARE(s.strgButton->ReturnValue, (QStringList{"110", "식품창고", "1300"}));
        QCOMPARE(s.strgName->text(), QStringLiteral("식품창고"));
        QCOMPARE(s.deptCode->text(), QStringLiteral("1300"));
        // The focus moves on past the lookup's own read-only fields.
        QCOMPARE(QApplication::focusWidget(), s.itemCode);
    }

    void nullNameComesBackAsOneBlank()
    {
        TestSession session;
        exec(session.conn(), QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('Z0025', 'QQ', NULL, 'Y')"));
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        typeAndLeave(s.unit, QStringLiteral("QQ"));
        TPopupBtn *button = s.PopupBtn(QStringLiteral("pbtnGUMAE_UNIT"));
        QVERIFY(button);
        QCOMPARE(button->ModalResult, QDialog::Accepted);
        QCOMPARE(button->ReturnValue, (QStringList{"QQ", " "}));
        QCOMPARE(s.unitName->text(), QString());
        QCOMPARE(s.records->text(QStringLiteral("GUMAE_UNIT_NM")), QString());
    }

    void windowSearchTakesTheTextAsItIs()
    {
        TestSession session;
        exec(session.conn(),
             QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('Z0025', 'QT', 'O''Brien 통', 'Y')"));
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        QStringList found, injected;
        answerWindow(dialogs, nullptr, [&](TfrmPopupWnd &wnd) {
            search(wnd, 1, QStringLiteral("' OR 'a'='a"));
            injected = column(wnd, 0);
            search(wnd, 1, QStringLiteral("O'Bri"));
            found = column(wnd, 1);
            QTest::keyClick(wnd.DBGrid, Qt::Key_Return);
        });
        s.unit->setFocus();
        QTest::keyClick(s.unit, Qt::Key_F1);
        QCOMPARE(injected, QStringList());
        QCOMPARE(found, QStringList{QStringLiteral("O'Brien 통")});
        QCOMPARE(s.unit->text(), QStringLiteral("QT"));
        QCOMPARE(s.unitName->text(), QStringLiteral("O'Brien 통"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void windowSearchInAListWithoutConditions()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        const int stores = session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX060MS")).toInt();
        const int named = session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX060MS WHERE STRG_NAME LIKE '%창고%'")).toInt();
        QVERIFY(named > 0 && named < stores);
        int all = 0;
        QStringList names, codes, retrieved;
        answerWindow(dialogs, nullptr, [&](TfrmPopupWnd &wnd) {
            all = wnd.DBGrid->rowCount();
            search(wnd, 1, QStringLiteral("창고"));                 // the name column, Enter in the text box
            names = column(wnd, 1);
            wnd.ComboBox->setCurrentIndex(0);                        // the code column, Ctrl+A
            wnd.Edit->clear();
            typeText(wnd.Edit, QStringLiteral("2"));
            QTest::keyClick(wnd.Edit, Qt::Key_A, Qt::ControlModifier);
            codes = column(wnd, 0);
            wnd.Edit->clear();                                        // an empty text lists all again
            wnd.SpeedButtonRetrieve->click();
            retrieved = column(wnd, 0);
            pickCode(wnd, QStringLiteral("320"));
        });
        // A search-panel lookup works in browse mode.
        s.searchCode->setFocus();
        QTest::keyClick(s.searchCode, Qt::Key_F1);
        QCOMPARE(all, stores);
        QCOMPARE(names.size(), named);
        for (const QString &name : std::as_const(names))
            QVERIFY2(name.contains(QStringLiteral("창고")), qPrintable(name));
        QVERIFY(!codes.isEmpty());
        for (const QString &code : std::as_const(codes))
            QVERIFY2(code.contains(QLatin1Char('2')), qPrintable(code));
        QCOMPARE(retrieved.size(), stores);
        QCOMPARE(s.searchCode->text(), QStringLiteral("320"));
        QCOMPARE(s.searchName->text(), QStringLiteral("전기실"));
        QVERIFY(dialogs.messages.isEmpty());

        // Leaving it empty clears code and name, in browse mode too.
        typeAndLeave(s.searchCode, QString());
        QCOMPARE(s.searchName->text(), QString());
    }

    void escapeCancels_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("grid") << "DBGrid";
        QTest::newRow("text box") << "Edit";
        QTest::newRow("column chooser") << "ComboBox";
        QTest::newRow("cancel button") << "SpeedButtonCancel";
    }
    void escapeCancels()
    {
        QFETCH(QString, where);
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        typeAndLeave(s.unit, QStringLiteral("KG"));
        answerWindow(dialogs, nullptr, [where](TfrmPopupWnd &wnd) {
            QWidget *w = wnd.findChild<QWidget *>(where);
            QVERIFY(w);
            if (auto *b = qobject_cast<QToolButton *>(w))
                b->click();
            else
                QTest::keyClick(w, Qt::Key_Escape);
        });
        s.unit->setFocus();
        QTest::keyClick(s.unit, Qt::Key_F1);
        TPopupBtn *button = s.PopupBtn(QStringLiteral("pbtnGUMAE_UNIT"));
        QCOMPARE(button->ModalResult, QDialog::Rejected);
        QCOMPARE(button->ReturnValue, QStringList());
        QCOMPARE(s.unit->text(), QStringLiteral("KG"));
        QCOMPARE(s.unitName->text(), QStringLiteral("KG"));
        QCOMPARE(QApplication::focusWidget(), s.unit);
    }

    void f1OpensTheListAndAPickMovesOn()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        Opened opened;
        answerWindow(dialogs, &opened, [](TfrmPopupWnd &wnd) { pickCode(wnd, QStringLiteral("EA")); });
        QTest::keyClick(s.unit, Qt::Key_F1);
        QVERIFY(opened.shown);
        QCOMPARE(opened.codes.size(),
                 session.scalar(QStringLiteral("SELECT COUNT(*) FROM ZX010MS WHERE HEAD = 'Z0025' AND DETAIL <> ' ' AND ITEM1 = 'Y'")).toInt());
        QCOMPARE(s.unit->text(), QStringLiteral("EA"));
        QCOMPARE(s.unitName->text(), QStringLiteral("EA"));
        QCOMPARE(QApplication::focusWidget(), s.strgCode);   // past the read-only name
        QVERIFY(dialogs.dialogHandlers.isEmpty());           // leaving the picked code searched nothing

        // F1 in the name field opens the same list; a click on the button too.
        answerWindow(dialogs, &opened, nullptr);
        s.unitName->setFocus();
        QTest::keyClick(s.unitName, Qt::Key_F1);
        QVERIFY(dialogs.dialogHandlers.isEmpty());
        answerWindow(dialogs, &opened, nullptr);
        s.PopupBtn(QStringLiteral("pbtnGUMAE_UNIT"))->click();
        QVERIFY(dialogs.dialogHandlers.isEmpty());
    }

    void leavingAnEmptyCodeClearsCodeAndName()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        typeAndLeave(s.strgCode, QStringLiteral("110"));
        QCOMPARE(s.strgName->text(), QStringLiteral("식품창고"));
        QCOMPARE(s.deptCode->text(), QStringLiteral("1300"));
        typeAndLeave(s.strgCode, QString());
        QCOMPARE(s.strgCode->text(), QString());
        QCOMPARE(s.strgName->text(), QString());
        QCOMPARE(s.deptCode->text(), QString());
        QVERIFY(dialogs.messages.isEmpty());
    }

    // A new document empties the fields; the same code typed again must
    // bring its name and the rest back.
    void sameCodeAgainAfterTheFieldsWereCleared()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        typeAndLeave(s.strgCode, QStringLiteral("110"));
        QCOMPARE(s.strgName->text(), QStringLiteral("식품창고"));
        TfrmZOI010::ClearPanel(s.panInput);
        QCOMPARE(s.deptCode->text(), QString());
        typeAndLeave(s.strgCode, QStringLiteral("110"));
        QCOMPARE(s.strgName->text(), QStringLiteral("식품창고"));
        QCOMPARE(s.deptCode->text(), QStringLiteral("1300"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    // A failing pick handler is shown like any failed action; the screen goes on.
    void failingPickHandlerIsShown()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        s.pickFailure = QStringLiteral("could not read the stock");
        typeAndLeave(s.itemName, QStringLiteral("한우 채"));
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("could not read the stock.")});
        QCOMPARE(dialogs.messages.first().kind, MessageKind::Error);
        QCOMPARE(s.itemCode->text(), QStringLiteral("L1010003"));   // the pick itself stands
        s.pickFailure.clear();
        typeAndLeave(s.itemName, QStringLiteral("한우 채"));
        QCOMPARE(s.itemPicks, QStringList{QStringLiteral("L1010003")});
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void windowKeys()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        startInsert(s);
        QStringList focus;   // names: the window is gone once the click ends
        // The window is not shown here: its own focus (the field it gives
        // the keys to once active) is what the keys move.
        answerWindow(dialogs, nullptr, [&focus](TfrmPopupWnd &wnd) {
            auto noteFocus = [&focus, &wnd] { focus << (wnd.focusWidget() ? wnd.focusWidget()->objectName() : QString()); };
            noteFocus();                                             // a list to pick from: the grid
            wnd.Edit->setFocus();
            QTest::keyClick(wnd.Edit, Qt::Key_Left);
            noteFocus();
            QTest::keyClick(wnd.ComboBox, Qt::Key_Right);
            noteFocus();
            QTest::keyClick(wnd.Edit, Qt::Key_Down);
            noteFocus();
            QTest::keyClick(wnd.DBGrid, Qt::Key_Down);               // the grid moves its row
            QTest::keyClick(wnd.DBGrid, Qt::Key_Return);
        });
        QTest::keyClick(s.unit, Qt::Key_F1);
        QCOMPARE(focus, (QStringList{"DBGrid", "ComboBox", "Edit", "DBGrid"}));
        QCOMPARE(s.unit->text(), QStringLiteral("BN"));   // the second code
    }

    void pickingDialog()
    {
        TestSession session;
        DialogRecorder dialogs;
        class Dialog : public TfrmZOH010 {
        public:
            Dialog()
            {
                auto *layout = new QHBoxLayout(panMain);
                code = lineEdit(panMain, QStringLiteral("edtDETAIL"));
                name = lineEdit(panMain, QStringLiteral("edtDETAIL_NAME"), true);
                name->setFocusPolicy(Qt::NoFocus);
                other = lineEdit(panMain, QStringLiteral("edtOTHER"));
                layout->addWidget(code);
                layout->addWidget(name);
                layout->addWidget(other);
                FormCreate();
                InstallLookups({{QStringLiteral("pbtnDETAIL"), {QStringLiteral("edtDETAIL"), QStringLiteral("edtDETAIL_NAME")},
                                 kUnits, QStringLiteral("DETAIL")}});
            }
            QLineEdit *code, *name, *other;
        } d;
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.code->setFocus();
        QCOMPARE(d.code->palette().color(QPalette::Base), QColor(Qt::yellow));
        typeText(d.code, QStringLiteral("TR"));
        QTest::keyClick(d.code, Qt::Key_Return);   // moves on; the dialog stays open
        QVERIFY(d.isVisible());
        QCOMPARE(d.name->text(), QStringLiteral("판"));
        QCOMPARE(QApplication::focusWidget(), d.other);
        QTest::keyClick(d.other, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), d.code);
        QCOMPARE(d.GetSystemDate(), session.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'yyyy-mm-dd')")));
    }
};

QTEST_MAIN(TestLookup)
#include "tst_lookup.moc"
