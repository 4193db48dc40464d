// The table catalogue of the purchasing and materials schema.
//
// Sizes are characters for text and (digits, decimals) for numbers. Codes are
// kept without padding; a key column or an item, recipe or facility code is
// never null. Every table that this system writes ends with the audit columns
// (withAudit); the tables of the launcher, personnel, accounting and sales
// systems are only read and carry no audit columns and no key.
//
// The first table is one of this system's own: the schema check looks at it.

#include "db/Catalogue.h"

#include <initializer_list>

namespace db {

namespace {

Column dateTime(const char *name, bool required = false)
{
    return {name, ColumnType::DateTime, 0, 0, required, nullptr};
}

std::vector<Column> withAudit(std::initializer_list<Column> columns)
{
    std::vector<Column> all(columns);
    const std::vector<Column> audit = auditColumns();
    all.insert(all.end(), audit.begin(), audit.end());
    return all;
}

std::vector<Column> readOnly(std::initializer_list<Column> columns)
{
    return std::vector<Column>(columns);
}

constexpr bool REQ = true;  // NOT NULL: key columns and item, recipe and facility codes

std::vector<Table> buildTables()
{
    return {
        // ---------------------------------------------------------------- master data

        // Items of the purchasing stock; the code is the minor class code plus a serial.
        {"OX010MS", withAudit({
            text("ITEM_CODE", 8, REQ),
            text("ITEM_NAME", 100),
            text("ITEM_SNAME", 20),
            text("ITEM_INDEX", 20),
            text("ITEM_STANDARD1", 100),
            text("ITEM_STANDARD2", 20),
            text("ITEM_TYPE", 2),
            text("DIVIDE_CODE", 5),
            text("GUMAE_UNIT", 10),           // purchase unit
            text("SOOBUL_UNIT", 10),          // stock unit
            num("CHANGE_QTY", 13, 5),         // stock units per purchase unit
            flag("SOOBUL_YN"),
            flag("TAX_GUBUN"),                // '1' taxable, '2' tax-free
            text("ACCT_CODE", 10),
            text("C_CODE", 10),
            num("COST_AMT", 17, 5),
            text("STRG_CODE", 3),
            flag("ABC_GUBUN"),
            flag("FIXED_PRU_GUBUN"),          // '1' regular ordering, '2' keep the norm
            num("LEAD_TIME", 5, 0),           // days
            num("LIMIT_STOCK", 13, 5),
            text("ORG_NATION", 10),
            text("PROD_ITEM", 2),             // '1' produced in house, '0' bought
            flag("SOMO_JAEGO_YN"),
            flag("SUTAK_YN"),
            flag("USE_YN"),
        }), {"ITEM_CODE"}},

        // Confirmed supplier price of an item, one registration per item and day.
        {"OX020MS", withAudit({
            text("ITEM_CODE", 8, REQ),
            date("ADD_DATE", REQ),
            text("C_CODE", 10),
            num("COST_AMT", 17, 5),
            date("USE_DATE"),                 // the price applies from this day
        }), {"ITEM_CODE", "ADD_DATE"}},

        // Item classes: a three-level tree (codes of 1, 3 and 5 characters).
        {"OX030MS", withAudit({
            text("DIVIDE_CODE", 5, REQ),
            text("DIVIDE_NAME", 100),
            text("PARENT_CODE", 5),
            num("DIVIDE_LEVEL", 1, 0),
            text("DIVIDE_NO", 6),             // sort key among siblings
        }), {"DIVIDE_CODE"}},

        // Account charged for an item's consumption in a warehouse.
        {"OX040MS", withAudit({
            text("ITEM_CODE", 8, REQ),
            text("STRG_CODE", 3, REQ),
            text("ACCT_CODE", 10),
        }), {"ITEM_CODE", "STRG_CODE"}},

        // Stock norm of an item in a warehouse (stock units); rewritten per warehouse.
        {"OX050MS", withAudit({
            text("STRG_CODE", 3, REQ),
            text("ITEM_CODE", 8, REQ),
            num("LIMI_STOCK", 13, 5),
        }), {"STRG_CODE", "ITEM_CODE"}},

        // Warehouses and outlets, a tree through PARENT_CODE.
        {"OX060MS", withAudit({
            text("STRG_CODE", 3, REQ),
            text("STRG_NAME", 40),
            text("DEPT_CODE", 4),
            text("PARENT_CODE", 3),
            text("BUSI_GUBUN", 2),            // business division, common code 'O0002'
            text("UPJANG_CODE", 4),
            flag("USE_YN"),
        }), {"STRG_CODE"}},

        // Numbered approvers of a warehouse.
        {"OX070MS", withAudit({
            text("STRG_CODE", 3, REQ),
            num("APPR_NUM", 3, 0, REQ),
            text("EMP_NO", 8),
        }), {"STRG_CODE", "APPR_NUM"}},

        // ---------------------------------------------------------------- purchase requests

        // Request header; APPR_GUBUN '3' not approved, '2' approved, '1' approval cancelled.
        {"OA010MS", withAudit({
            date("PURC_DATE", REQ),
            text("STRG_CODE", 3, REQ),
            num("PURC_NUM", 3, 0, REQ),
            text("PURC_NO", 15),
            date("PLAN_DATE"),                // expected receipt
            text("CHAR_NAME", 20),
            text("CHAR_TEL", 20),
            text("REMARK", 30),
            text("DEPT_CODE", 4),
            flag("APPR_GUBUN"),
            text("APPR_EMP_NO", 8),
            date("APPR_DATE"),
            text("DELI_DATE", 50),            // delivery term of the resolution, free text
            text("DELI_CONDITION", 100),
            text("PAY_CONDITION", 100),
        }), {"PURC_DATE", "STRG_CODE", "PURC_NUM"}},

        // Request lines; orders address them by PURC_NO + PURC_SEQ.
        {"OA010DT", withAudit({
            date("PURC_DATE", REQ),
            text("STRG_CODE", 3, REQ),
            num("PURC_NUM", 3, 0, REQ),
            num("PURC_SEQ", 2, 0, REQ),
            text("PURC_NO", 15),
            text("ITEM_CODE", 8, REQ),
            num("QTY", 13, 5),
            num("NEED_QTY", 12, 0),
            num("STOCK_QTY", 13, 5),          // stock when the line was entered
            text("C_CODE", 10),
            num("COST_AMT", 17, 5),           // confirmed price
            num("ESTI_AMT", 19, 5),           // estimated price
            text("REMARK", 30),
            flag("ORDER_SET_YN", "'N'"),      // 'Y' once taken into an order
            flag("EMER_CHK"),
            text("A_ESTI_CODE", 10),          // quoting company A (a supplier)
            text("A_ESTI_NAME", 50),
            text("B_ESTI_NAME", 50),
            text("C_ESTI_NAME", 50),
            num("A_COST_AMT", 17, 5),
            num("B_COST_AMT", 17, 5),
            num("C_COST_AMT", 17, 5),
        }), {"PURC_DATE", "STRG_CODE", "PURC_NUM", "PURC_SEQ"}},

        // Quotation rows per item and date; the first serial of a date is 0.
        {"OA020MS", withAudit({
            date("ESTI_DATE", REQ),
            num("ESTI_SEQ", 4, 0, REQ),
            text("ITEM_CODE", 8, REQ),
            num("QTY", 13, 5),
            date("APPL_DATE"),                // when the price was applied to requests
            text("A_C_CODE", 10),
            num("A_COST", 17, 5),
            num("A_AMT", 19, 5),
            text("B_C_CODE", 10),
            num("B_COST", 17, 5),
            num("B_AMT", 19, 5),
            text("C_C_CODE", 10),
            num("C_COST", 17, 5),
            num("C_AMT", 19, 5),
            num("MIN_AMT", 19, 5),
            num("MAX_AMT", 19, 5),
            text("FIXE_C_CODE", 10),
            num("FIXE_COST", 17, 5),
        }), {"ESTI_DATE", "ESTI_SEQ"}},

        // ---------------------------------------------------------------- purchase orders

        // Order header per supplier; APPR_GUBUN '3' unconfirmed, '2' confirmed, '1' cancelled.
        {"OB010MS", withAudit({
            date("ORDE_DATE", REQ),
            text("C_CODE", 10, REQ),
            num("ORDE_NUM", 2, 0, REQ),
            text("ORDE_NO", 15),
            text("PURC_NO", 15),
            date("PUT_DATE"),                 // expected delivery
            num("ORDE_AMT", 19, 5),
            num("NEGO_AMT", 19, 5),
            num("TAX_AMT", 19, 5),
            num("SUM_AMT", 19, 5),
            text("ORDE_CHAR", 30),
            text("ORDE_TEL", 30),
            text("INSP_CHAR", 30),
            text("INSP_TEL", 30),
            text("DOCUMENT", 80),
            text("GIVE_TERM", 30),
            text("PAYM_TERM", 30),
            text("DELI_TERM", 30),
            text("REPA_TERM", 30),
            text("REMARK", 100),
            flag("APPR_GUBUN"),
            text("APPR_EMP_NO", 8),
            date("APPR_DATE"),
        }), {"ORDE_DATE", "C_CODE", "ORDE_NUM"}},

        // Order lines; receiving addresses them by ORDE_NO + ORDE_SEQ. The order screen
        // rewrites lines without the receipt columns, so those start from their defaults.
        {"OB010DT", withAudit({
            date("ORDE_DATE", REQ),
            text("C_CODE", 10, REQ),
            num("ORDE_NUM", 2, 0, REQ),
            num("ORDE_SEQ", 3, 0, REQ),
            text("ORDE_NO", 15),
            text("PURC_NO", 15),
            num("PURC_SEQ", 2, 0),
            text("ITEM_CODE", 8, REQ),
            num("QTY", 13, 5),
            num("COST_AMT", 17, 5),
            num("AMT", 19, 5),
            flag("TAX_GUBUN"),
            num("TAX_AMT", 19, 5),
            num("SUM_AMT", 19, 5),
            text("REMARK", 40),
            num("PUT_QTY", 13, 5, false, "0"),  // received so far, purchase units
            flag("PUT_END", "'N'"),             // 'Y' fully received
            flag("ORDE_CANCEL", "'N'"),
        }), {"ORDE_DATE", "C_CODE", "ORDE_NUM", "ORDE_SEQ"}},

        // ---------------------------------------------------------------- receiving

        // Inspection receipt; confirmed (posted to stock) once PUT_DATE is set.
        {"OC010MS", withAudit({
            date("INSP_DATE", REQ),
            text("C_CODE", 10, REQ),
            num("INSP_NUM", 2, 0, REQ),
            text("INSP_NO", 15),
            text("STRG_CODE", 3),
            flag("STRG_GUBUN"),               // 'Y' outlet warehouse issuing on receipt
            text("INSP_EMP_NO", 8),
            text("INSP_NAME", 10),            // supplier's witness
            num("PUT_AMT", 19, 5),
            num("TAX_AMT", 19, 5),
            num("SUM_AMT", 19, 5),
            date("PUT_DATE"),
            text("PUT_EMP_NO", 8),
        }), {"INSP_DATE", "C_CODE", "INSP_NUM"},
         {{"IX_OC010MS_INSP_NO", {"INSP_NO"}}}},

        // Inspection lines; ORDE_NO + ORDE_SEQ name the order line received.
        {"OC010DT", withAudit({
            date("INSP_DATE", REQ),
            text("C_CODE", 10, REQ),
            num("INSP_NUM", 2, 0, REQ),
            num("INSP_SEQ", 3, 0, REQ),
            text("INSP_NO", 15),
            text("ORDE_NO", 15),
            num("ORDE_SEQ", 3, 0),
            text("ITEM_CODE", 8, REQ),
            num("ORDE_QTY", 13, 5),           // purchase units
            num("NORM_QTY", 13, 5),
            num("BAD_QTY", 13, 5),
            text("INSP_STAT", 5),             // common code 'O0003'
            num("PUT_QTY", 13, 5),            // stock units
            num("COST_AMT", 17, 5),
            num("AMT", 19, 5),
            flag("TAX_GUBUN"),
            num("TAX_AMT", 19, 5),
            num("SUM_AMT", 19, 5),
            text("REMARK", 40),
        }), {"INSP_DATE", "C_CODE", "INSP_NUM", "INSP_SEQ"}},

        // ---------------------------------------------------------------- issues, transfers, returns

        // Issue header of every kind: DELI_GUBUN '1' issue, '2' transfer issue-out,
        // '3' return of issued goods, '4' disposal, '5' loss.
        {"OD010MS", withAudit({
            date("DELI_DATE", REQ),
            text("STRG_CODE", 3, REQ),
            num("DELI_NUM", 2, 0, REQ),
            text("DELI_NO", 15),
            flag("DELI_GUBUN"),
            text("INSP_NO", 15),              // receipt that produced an immediate issue
            flag("APPR_GUBUN"),
            text("APPR_EMP_NO", 8),
            date("APPR_DATE"),
        }), {"DELI_DATE", "STRG_CODE", "DELI_NUM"},
         {{"IX_OD010MS_DELI_NO", {"DELI_NO"}}}},

        // Issue lines. The immediate issue of a receipt is copied in with a column-less
        // insert, so these columns and their order must stay exactly as they are.
        {"OD010DT", withAudit({
            date("DELI_DATE", REQ),
            text("STRG_CODE", 3, REQ),
            num("DELI_NUM", 2, 0, REQ),
            num("DELI_SEQ", 2, 0, REQ),
            text("ITEM_CODE", 8, REQ),
            num("QTY", 13, 5),
            text("REMARK", 40),
        }), {"DELI_DATE", "STRG_CODE", "DELI_NUM", "DELI_SEQ"}},

        // Transfer between warehouses; MOVE_GUBUN '1' transfer, '2' transfer issue-out.
        {"OD020MS", withAudit({
            date("MOVE_DATE", REQ),
            text("FROM_STRG_CODE", 3, REQ),
            text("TO_STRG_CODE", 3, REQ),
            num("MOVE_NUM", 2, 0, REQ),
            text("MOVE_NO", 15),
            flag("MOVE_GUBUN"),
            text("DELI_NO", 15),              // the issue written with an issue-out
            flag("APPR_GUBUN"),
            text("APPR_EMP_NO", 8),
            date("APPR_DATE"),
        }), {"MOVE_DATE", "FROM_STRG_CODE", "TO_STRG_CODE", "MOVE_NUM"},
         {{"IX_OD020MS_MOVE_NO", {"MOVE_NO"}}}},

        // Transfer lines.
        {"OD020DT", withAudit({
            date("MOVE_DATE", REQ),
            text("FROM_STRG_CODE", 3, REQ),
            text("TO_STRG_CODE", 3, REQ),
            num("MOVE_NUM", 2, 0, REQ),
            num("MOVE_SEQ", 2, 0, REQ),
            text("ITEM_CODE", 8, REQ),
            num("QTY", 13, 5),
            text("REMARK", 40),
        }), {"MOVE_DATE", "FROM_STRG_CODE", "TO_STRG_CODE", "MOVE_NUM", "MOVE_SEQ"}},

        // Return to a supplier.
        {"OD030MS", withAudit({
            date("RETU_DATE", REQ),
            text("C_CODE", 10, REQ),
            num("RETU_NUM", 2, 0, REQ),
            text("STRG_CODE", 3),
            text("RETU_REAS", 40),
            date("PLAN_DATE"),                // replacement goods expected
        }), {"RETU_DATE", "C_CODE", "RETU_NUM"}},

        // Return lines; RETU_GUBUN '1' exchange, '2' plain return.
        {"OD030DT", withAudit({
            date("RETU_DATE", REQ),
            text("C_CODE", 10, REQ),
            num("RETU_NUM", 2, 0, REQ),
            num("RETU_SEQ", 2, 0, REQ),
            text("ITEM_CODE", 8, REQ),
            text("ITEM_STANDARD", 50),
            num("QTY", 13, 5),
            num("COST_AMT", 17, 5),
            num("AMT", 19, 5),
            num("TAX_AMT", 19, 5),
            text("REMARK", 30),
            flag("RETU_GUBUN"),
        }), {"RETU_DATE", "C_CODE", "RETU_NUM", "RETU_SEQ"}},

        // ---------------------------------------------------------------- stock and closing

        // Monthly stock per warehouse and item, kept by the stock procedures.
        // The figures start at 0 so that the reports can add and subtract them.
        {"OZ010MS", withAudit({
            text("STOC_YYMM", 6, REQ),
            text("STRG_CODE", 3, REQ),
            text("ITEM_CODE", 8, REQ),
            num("OVER_QTY", 13, 5, false, "0"),       // carried over
            num("OVER_AMT", 19, 5, false, "0"),
            num("CURR_PUT_QTY", 13, 5, false, "0"),
            num("CURR_DELI_QTY", 13, 5, false, "0"),
            num("CURR_RETU_QTY", 13, 5, false, "0"),
            num("TAGE_DELI_QTY", 13, 5, false, "0"),  // issues to other accounts
            num("LOSS_DELI_QTY", 13, 5, false, "0"),
            num("MOVE_PUT_QTY", 13, 5, false, "0"),
            num("MOVE_DELI_QTY", 13, 5, false, "0"),
            num("STOC_ACTU_QTY", 13, 5, false, "0"),  // count adjustment
            num("STOC_QTY", 13, 5, false, "0"),       // stock at the end of the month so far
        }), {"STOC_YYMM", "STRG_CODE", "ITEM_CODE"},
         {{"IX_OZ010MS_ITEM", {"STRG_CODE", "ITEM_CODE", "STOC_YYMM"}}}},

        // What each document has posted to OZ010MS, one row per cell and column:
        // a reversal takes back exactly this, whatever the document holds by then.
        // SRC_KIND 'PUT' receipt (INSP_NO), 'DELI' issue (DELI_NO), 'MOVE' transfer
        // with its issue leg (MOVE_NO), 'RETU' return (date|supplier|number), 'SIL'
        // opening or count lines (date|warehouse|kind). COL names the OZ010MS column;
        // AMT is the opening amount of OVER_QTY rows.
        {"OZ_POSTING_JOURNAL", withAudit({
            text("SRC_KIND", 4, REQ),
            text("SRC_KEY", 40, REQ),
            text("STOC_YYMM", 6, REQ),
            text("STRG_CODE", 3, REQ),
            text("ITEM_CODE", 8, REQ),
            text("COL", 20, REQ),
            date("POST_DATE"),
            num("QTY", 19, 5, false, "0"),
            num("AMT", 19, 5, false, "0"),
        }), {"SRC_KIND", "SRC_KEY", "STOC_YYMM", "STRG_CODE", "ITEM_CODE", "COL"},
         {{"IX_OZ_POSTING_JOURNAL_CELL", {"STOC_YYMM", "STRG_CODE", "ITEM_CODE"}}}},

        // Opening stock ('1': quantity, unit cost, amount) and count adjustment lines
        // ('2': counted quantity, adjustment quantity, book quantity).
        {"OZ020MS", withAudit({
            date("SILS_DATE", REQ),
            text("STRG_CODE", 3, REQ),
            text("ITEM_CODE", 8, REQ),
            flag("SILS_GUBUN", nullptr, REQ),
            num("SILS_QTY", 13, 5),
            num("SILS_COST", 17, 5),
            num("SILS_AMT", 19, 5),
        }), {"SILS_DATE", "STRG_CODE", "ITEM_CODE", "SILS_GUBUN"}},

        // Month closing flags: purchase closing and system closing.
        {"OZ030MS", withAudit({
            text("CLOS_YYMM", 6, REQ),
            flag("ORDE_CLOSE", "'N'"),
            flag("COMP_CLOSE", "'N'"),
        }), {"CLOS_YYMM"}},

        // Monthly average cost per item, written by the purchase closing.
        {"OZ040MS", withAudit({
            text("YYMM", 6, REQ),
            text("ITEM_CODE", 8, REQ),
            num("QTY", 13, 5),
            num("COST", 17, 5),
            num("AMT", 19, 5),
        }), {"YYMM", "ITEM_CODE"}},

        // Daily stock and unit cost per item, written by the day closing; the price
        // list at which stock movements are valued.
        {"OZ050MS", withAudit({
            date("STOCK_DATE", REQ),
            text("ITEM_CODE", 8, REQ),
            num("STOCK_QTY", 13, 5),
            num("STOCK_COST", 17, 5),
            num("STOCK_AMT", 19, 5),
        }), {"STOCK_DATE", "ITEM_CODE"},
         // The latest cost of an item up to a day is one index step.
         {{"IX_OZ050MS_STOCK_DATE", {"STOCK_DATE"}}, {"IX_OZ050MS_ITEM", {"ITEM_CODE", "STOCK_DATE"}}}},

        // Day closing flags.
        {"OZ060MS", withAudit({
            date("CLOS_DATE", REQ),
            flag("CLOS_CHK", "'N'"),
        }), {"CLOS_DATE"}},

        // Last serial of the document numbers per kind and month (PR_GETADMINNO).
        {"OZ090MS", readOnly({
            text("ADMIN_GUBUN", 2, REQ),
            text("ADMIN_YYMM", 6, REQ),
            num("LAST_SERIAL", 5, 0, REQ),
        }), {"ADMIN_GUBUN", "ADMIN_YYMM"}},

        // Lines of the daily food and beverage cost report of a date. Combined
        // figures are computed when the lines are read.
        {"OT010MS", withAudit({
            date("COST_DATE", REQ),
            text("GUBUN_CD1", 10, REQ),       // group
            text("GUBUN_NM1", 100),
            text("GUBUN_CD2", 10, REQ),       // line
            text("GUBUN_NM2", 100),
            num("FOOD_TW", 14, 0),    num("FOOD_TS", 14, 0),    num("FOOD_TP", 10, 2),
            num("FOOD_MTDW", 14, 0),  num("FOOD_MTDS", 14, 0),  num("FOOD_MTDP", 10, 2),
            num("FOOD_YMTDW", 14, 0), num("FOOD_YMTDS", 14, 0), num("FOOD_YMTDP", 10, 2),
            num("BEVE_TW", 14, 0),    num("BEVE_TS", 14, 0),    num("BEVE_TP", 10, 2),
            num("BEVE_MTDW", 14, 0),  num("BEVE_MTDS", 14, 0),  num("BEVE_MTDP", 10, 2),
            num("BEVE_YMTDW", 14, 0), num("BEVE_YMTDS", 14, 0), num("BEVE_YMTDP", 10, 2),
            num("TOT_TW", 14, 0),     num("TOT_TS", 14, 0),     num("TOT_TP", 10, 2),
            num("TOT_MTDW", 14, 0),   num("TOT_MTDS", 14, 0),   num("TOT_MTDP", 10, 2),
            num("TOT_YMTDW", 14, 0),  num("TOT_YMTDS", 14, 0),  num("TOT_YMTDP", 10, 2),
        }), {"COST_DATE", "GUBUN_CD1", "GUBUN_CD2"}},

        // ---------------------------------------------------------------- work requests

        // Work request from a department to a processing department.
        {"OF010MS", withAudit({
            date("JOB_DATE", REQ),
            text("DEPT_CODE", 4, REQ),
            num("JOB_SEQ", 2, 0, REQ),
            text("JOB_NO", 15),
            text("JOB_EMP_NO", 8),
            text("JOB_TEL", 20),
            text("JOB_STORY", 200),
            text("WORK_DEPT", 4),
            date("WORK_DATE"),                // planned, set when received
            text("WORK_EMP_NO", 8),
            text("WORK_TEL", 20),
            flag("WORK_YN", "'N'"),           // 'Y' received
        }), {"JOB_DATE", "DEPT_CODE", "JOB_SEQ"}},

        // Work done, optionally for a request (JOB_NO).
        {"OF020MS", withAudit({
            date("WORK_DATE", REQ),
            text("DEPT_CODE", 4, REQ),
            num("WORK_NUM", 2, 0, REQ),
            text("JOB_NO", 15),
            text("WORK_EMP_NO", 8),
            text("WORK_STORY", 400),
        }), {"WORK_DATE", "DEPT_CODE", "WORK_NUM"}},

        // Materials used by a work; a record of use only.
        {"OF020DT", withAudit({
            date("WORK_DATE", REQ),
            text("DEPT_CODE", 4, REQ),
            num("WORK_NUM", 2, 0, REQ),
            num("WORK_SEQ", 2, 0, REQ),
            text("ITEM_CODE", 8, REQ),
            num("QTY", 13, 5),
        }), {"WORK_DATE", "DEPT_CODE", "WORK_NUM", "WORK_SEQ"}},

        // ---------------------------------------------------------------- facilities

        // Facility register; the code is an eight-digit serial.
        {"OG010MS", withAudit({
            text("FACI_CODE", 8, REQ),
            text("FACI_NAME", 100),
            text("FACI_NO", 30),
            text("FACI_PART", 2),             // common code 'O0004'
            text("FACI_GUBUN1", 50),
            text("FACI_GUBUN2", 50),
            text("FACI_GUBUN3", 50),
            text("FACI_SIZE", 100),
            text("FUEL_GUBUN", 1),            // position in the fuel list, '0'..'4'
            text("MANU_NAME", 100),
            text("MODEL_NAME", 100),
            date("ESTA_DATE"),
            text("ESTA_LOCA", 100),
            text("OTHE_INFO", 2000),
            text("VSFX_CODE", 30),
        }), {"FACI_CODE"}},

        // Standard inspection sheets of a facility part.
        {"OG020MS", withAudit({
            text("FACI_PART", 2, REQ),
            num("INSP_SEQ", 3, 0, REQ),
            text("INSP_NAME", 200),
            text("FACI_JUGI", 10),            // cycle text
            text("MAKE_SUBJ", 2000),
        }), {"FACI_PART", "INSP_SEQ"}},

        // Items of an inspection sheet with the labels of the values recorded for them.
        {"OG020DT", withAudit({
            text("FACI_PART", 2, REQ),
            num("INSP_SEQ", 3, 0, REQ),
            num("SUBJ_SEQ", 3, 0, REQ),
            text("SUBJ_NAME", 500),
            text("ITEM_CHK", 40),
            text("ITEM_NM1", 40),
            text("ITEM_NM2", 40),
            text("ITEM_NM3", 40),
        }), {"FACI_PART", "INSP_SEQ", "SUBJ_SEQ"}},

        // Maintenance job on a facility.
        {"OG030MS", withAudit({
            date("REPA_DATE", REQ),
            text("FACI_CODE", 8, REQ),
            num("REPA_NUM", 3, 0, REQ),
            text("REPA_EMP_NO", 30),          // person in charge, free text
            text("CUST_NAME", 30),
            text("JOB_STORY", 2000),
            text("MAKE_SUBJ", 2000),
            num("REPA_AMT", 15, 0),
            num("PERS_AMT", 15, 0),
        }), {"REPA_DATE", "FACI_CODE", "REPA_NUM"}},

        // Parts used by a maintenance job; a record of use only.
        {"OG030DT", withAudit({
            date("REPA_DATE", REQ),
            text("FACI_CODE", 8, REQ),
            num("REPA_NUM", 3, 0, REQ),
            num("REPA_SEQ", 3, 0, REQ),
            text("ITEM_CODE", 8, REQ),
            num("QTY", 13, 5),
            num("AMT", 19, 5),
            text("BIGO", 40),
        }), {"REPA_DATE", "FACI_CODE", "REPA_NUM", "REPA_SEQ"}},

        // Inspection carried out on a facility; INSP_NAME keeps the chosen sheet's
        // name followed by blanks and its number.
        {"OG040MS", withAudit({
            date("REPA_DATE", REQ),
            text("FACI_CODE", 8, REQ),
            num("REPA_NUM", 3, 0, REQ),
            text("REPA_EMP_NO", 30),          // inspector, free text
            text("INSP_NAME", 300),
            text("JOB_STORY", 2000),
            text("MAKE_SUBJ", 2000),
        }), {"REPA_DATE", "FACI_CODE", "REPA_NUM"}},

        // Results per inspection item: abnormality, reading and cumulative reading.
        {"OG040DT", withAudit({
            date("REPA_DATE", REQ),
            text("FACI_CODE", 8, REQ),
            num("REPA_NUM", 3, 0, REQ),
            num("REPA_SEQ", 3, 0, REQ),
            text("FACI_PART", 2),
            num("INSP_SEQ", 3, 0),
            num("SUBJ_SEQ", 3, 0),
            text("SUBJ_NAME", 500),
            text("ITEM_CHK", 40),
            flag("ITEM_VE"),                  // '1' abnormal
            text("ITEM_NM1", 40),
            num("ITEM_VE1", 17, 5),
            text("ITEM_NM2", 40),
            num("ITEM_VE2", 17, 5),
            text("ITEM_NM3", 40),
            num("ITEM_VE3", 17, 5),
        }), {"REPA_DATE", "FACI_CODE", "REPA_NUM", "REPA_SEQ"}},

        // ---------------------------------------------------------------- recipes

        // Recipe header; the code is an eight-digit serial.
        {"OH010MS", withAudit({
            text("RECI_CODE", 8, REQ),
            date("RECI_DATE"),                // also the day of the ingredient costs
            text("MENU_ITEM", 100),
            num("MENU_PRICE", 16, 0),
            num("PORTION", 3, 0),
            num("LOSS", 4, 2),                // percent
            num("COST_SUM", 16, 5),
            num("COST_PER", 16, 5),
            text("PREP_INST", 3000),
        }), {"RECI_CODE"}},

        // Ingredients of a recipe.
        {"OH010DT", withAudit({
            text("RECI_CODE", 8, REQ),
            num("RECI_SEQ", 3, 0, REQ),
            text("ITEM_CODE", 8, REQ),
            num("ITEM_QTY", 9, 4),
            num("ITEM_COST", 16, 5),
            text("RECI_BIGO", 20),
        }), {"RECI_CODE", "RECI_SEQ"}},

        // ---------------------------------------------------------------- materials

        // Departments of the material stock.
        {"OP010MS", withAudit({
            text("DEPT_CODE", 4, REQ),
            text("DEPT_NAME", 40),
            text("DEPT_LEVEL", 2),            // '2' team, '3' part, '4' warehouse
            text("DEPT_TYPE", 2),             // 'N' finance, 'P' sales and admin, 'Y' other
            text("DEPT_REM", 40),
            text("MAN_DEPT_CODE", 10),
            flag("USE_YN"),
        }), {"DEPT_CODE"}},

        // Materials; the code is the minor type code plus a serial.
        {"OP020MS", withAudit({
            text("ITEM_CODE", 8, REQ),
            text("ITEM_NAME", 100),
            text("ITEM_SNAME", 20),
            text("ITEM_INDEX", 20),
            text("ITEM_STANDARD1", 100),
            text("ITEM_STANDARD2", 20),       // lot number
            text("ITEM_TYPE", 2),
            text("DIVIDE_CODE", 5),
            text("SOOBUL_UNIT", 10),
            flag("USE_YN"),
        }), {"ITEM_CODE"}},

        // Material types, a three-level tree like the item classes.
        {"OP030MS", withAudit({
            text("DIVIDE_CODE", 5, REQ),
            text("DIVIDE_NAME", 100),
            text("PARENT_CODE", 5),
            num("DIVIDE_LEVEL", 1, 0),
            text("DIVIDE_NO", 6),
        }), {"DIVIDE_CODE"}},

        // Material movements; GUBUN 'I' receipt, 'O' issue, 'M' correction. STOC_QTY is
        // the running stock kept by the material stock procedure.
        {"OP040MS", withAudit({
            date("INSP_DATE", REQ),
            text("STRG_CODE", 3, REQ),
            text("INSP_NUM", 15, REQ),        // document number PRyyyymmnnnnn
            num("INSP_SEQ", 3, 0, REQ),
            flag("GUBUN"),
            text("ITEM_CODE", 8, REQ),
            num("PUT_QTY", 13, 5),
            num("COST_AMT", 17, 5),
            dateTime("INPUT_DATE"),           // when the line was entered
            text("BIGO1", 100),
            text("BIGO2", 100),
            text("BIGO3", 100),
            num("STOC_QTY", 13, 5),
        }), {"INSP_DATE", "STRG_CODE", "INSP_NUM", "INSP_SEQ"}},

        // ---------------------------------------------------------------- other systems (read only)

        // Launcher: menus of a project.
        {"ZA040MS", readOnly({
            text("PROJECT_ID", 20),
            text("MENU_ID", 20),
            text("MENU_NAME", 100),
            num("DISPLAY_SEQ", 4, 0),
        }), {}},

        // Launcher: programs of a menu.
        {"ZA050MS", readOnly({
            text("PROJECT_ID", 20),
            text("MENU_ID", 20),
            text("PROGRAM_ID", 20),
            text("PROGRAM_NAME", 100),
            num("DISPLAY_SEQ", 4, 0),
        }), {}},

        // Launcher: rights level of an employee in a project.
        {"ZA130MS", readOnly({
            text("EMP_NO", 8),
            text("PROJECT_ID", 20),
            text("PROJECT_LEVEL", 10),
        }), {}},

        // Launcher: programs granted to a level.
        {"ZA140MS", readOnly({
            text("PROJECT_ID", 20),
            text("PROJECT_LEVEL", 10),
            text("PROGRAM_ID", 20),
        }), {}},

        // Launcher: programs added ('Y') or taken away ('N') for one employee.
        {"ZA150MS", readOnly({
            text("EMP_NO", 8),
            text("PROJECT_ID", 20),
            text("PROGRAM_ID", 20),
            flag("ADD_YN"),
        }), {}},

        // Common codes by head; each head also has a row with a blank DETAIL.
        {"ZX010MS", readOnly({
            text("HEAD", 5),
            text("DETAIL", 30),         // database user names under head Z9999
            text("DETAIL_NAME", 100),
            text("ITEM1", 20),
            text("ITEM2", 20),
        }), {}},

        // Personnel: employees.
        {"QA010MS", readOnly({
            text("EMP_NO", 8),
            text("EMP_K_NAME", 50),
            text("EMP_STAY_CODE", 2),
        }), {}},

        // Personnel: departments.
        {"QA160MS", readOnly({
            text("AFF_DEPT_CODE", 4),
            text("AFF_DEPT_NAME", 100),
            flag("USE_YN"),
            flag("DEPT_AFF_YN"),
            text("DEPT_TYPE", 2),
        }), {}},

        // Accounting: suppliers.
        {"VA050MS", readOnly({
            text("C_CODE", 10),
            text("C_NAME", 50),
            text("C_NUM", 20),                // business registration number
            text("BOSS_NAME", 50),
            text("REP_PHONE", 20),
            text("FAX_NO", 20),
            text("LOCAL_INIT", 10),           // region, common code 'ZV001'
            flag("USE_YN"),
        }), {}},

        // Accounting: accounts.
        {"VA020MS", readOnly({
            text("ACCT_CODE", 10),
            text("ACCT_NAME", 100),
        }), {}},

        // Sales: outlets. Read with SELECT *, so code and name come first.
        {"JA010MS", readOnly({
            text("UPJANG_CODE", 4),
            text("UPJANG_NAME", 100),
            text("MIS_UPJANG_GUBUN1", 10),
            text("MIS_UPJANG_GUBUN2", 10),
            num("MIS_DISPLAY_SEQ", 4, 0),
        }), {}},

        // Sales: the food and beverage sales of an outlet per day, the measure of
        // the daily cost report.
        {"JA020MS", readOnly({
            date("SALE_DATE"),
            text("UPJANG_CODE", 4),
            num("FOOD_AMT", 14, 0),
            num("BEVE_AMT", 14, 0),
        }), {}},
    };
}

// The tree views share one shape. A node is a root when it has no parent, is its
// own parent or names a parent that does not exist, so that no row drops out of
// the lookups that read the views. Each node gets its rank among its siblings as
// a six-digit text; the ranks joined from the root give a key whose plain text
// order is the tree order. Rows whose parents form a loop are never reached and
// stay out; the level guard is only a last safety.
//
// DIVIDE_PATH / STRG_PATH: the names from the root down, joined by " > ".
// DIVIDE_TREE / STRG_TREE: one tab per level below the root, then code and name.

// Item classes and material types: siblings by sort key, then code.
#define CLASS_TREE_VIEW(TABLE) \
    "WITH RECURSIVE NODE AS (\n" \
    "  SELECT A.DIVIDE_CODE, A.DIVIDE_NAME,\n" \
    "         CASE WHEN COALESCE(TRIM(A.PARENT_CODE), '') = '' OR A.PARENT_CODE = A.DIVIDE_CODE\n" \
    "                   OR NOT EXISTS (SELECT 1 FROM " TABLE " P WHERE P.DIVIDE_CODE = A.PARENT_CODE)\n" \
    "              THEN NULL ELSE A.PARENT_CODE END AS UP_CODE,\n" \
    "         A.DIVIDE_NO\n" \
    "    FROM " TABLE " A\n" \
    "), RANKED AS (\n" \
    "  SELECT N.DIVIDE_CODE, N.DIVIDE_NAME, N.UP_CODE,\n" \
    "         CAST(100000 + ROW_NUMBER() OVER (PARTITION BY COALESCE(N.UP_CODE, '')\n" \
    "              ORDER BY COALESCE(N.DIVIDE_NO, N.DIVIDE_CODE), N.DIVIDE_CODE) AS VARCHAR(10)) AS SIB\n" \
    "    FROM NODE N\n" \
    "), TREE (DIVIDE_CODE, LVL, SORT_KEY, DIVIDE_PATH, INDENT) AS (\n" \
    "  SELECT R.DIVIDE_CODE, 0,\n" \
    "         CAST(R.SIB AS VARCHAR(2000)),\n" \
    "         CAST(COALESCE(R.DIVIDE_NAME, R.DIVIDE_CODE) AS VARCHAR(2000)),\n" \
    "         CAST('' AS VARCHAR(2000))\n" \
    "    FROM RANKED R WHERE R.UP_CODE IS NULL\n" \
    "  UNION ALL\n" \
    "  SELECT R.DIVIDE_CODE, T.LVL + 1,\n" \
    "         CAST(T.SORT_KEY || R.SIB AS VARCHAR(2000)),\n" \
    "         CAST(T.DIVIDE_PATH || ' > ' || COALESCE(R.DIVIDE_NAME, R.DIVIDE_CODE) AS VARCHAR(2000)),\n" \
    "         CAST(T.INDENT || '\t' AS VARCHAR(2000))\n" \
    "    FROM RANKED R JOIN TREE T ON R.UP_CODE = T.DIVIDE_CODE\n" \
    "   WHERE T.LVL < 20\n" \
    ")\n" \
    "SELECT B.*, T.DIVIDE_PATH,\n" \
    "       T.INDENT || B.DIVIDE_CODE || ' ' || COALESCE(B.DIVIDE_NAME, '') AS DIVIDE_TREE,\n" \
    "       ROW_NUMBER() OVER (ORDER BY T.SORT_KEY) - 1 AS ROWCNT\n" \
    "  FROM TREE T JOIN " TABLE " B ON B.DIVIDE_CODE = T.DIVIDE_CODE\n" \
    " ORDER BY T.SORT_KEY"

const char *const kItemClassView = CLASS_TREE_VIEW("OX030MS");
const char *const kMaterialTypeView = CLASS_TREE_VIEW("OP030MS");

#undef CLASS_TREE_VIEW

// Warehouses: siblings in code order.
const char *const kWarehouseView =
    "WITH RECURSIVE NODE AS (\n"
    "  SELECT A.STRG_CODE, A.STRG_NAME,\n"
    "         CASE WHEN COALESCE(TRIM(A.PARENT_CODE), '') = '' OR A.PARENT_CODE = A.STRG_CODE\n"
    "                   OR NOT EXISTS (SELECT 1 FROM OX060MS P WHERE P.STRG_CODE = A.PARENT_CODE)\n"
    "              THEN NULL ELSE A.PARENT_CODE END AS UP_CODE\n"
    "    FROM OX060MS A\n"
    "), RANKED AS (\n"
    "  SELECT N.STRG_CODE, N.STRG_NAME, N.UP_CODE,\n"
    "         CAST(100000 + ROW_NUMBER() OVER (PARTITION BY COALESCE(N.UP_CODE, '')\n"
    "              ORDER BY N.STRG_CODE) AS VARCHAR(10)) AS SIB\n"
    "    FROM NODE N\n"
    "), TREE (STRG_CODE, LVL, SORT_KEY, STRG_PATH, INDENT) AS (\n"
    "  SELECT R.STRG_CODE, 0,\n"
    "         CAST(R.SIB AS VARCHAR(2000)),\n"
    "         CAST(COALESCE(R.STRG_NAME, R.STRG_CODE) AS VARCHAR(2000)),\n"
    "         CAST('' AS VARCHAR(2000))\n"
    "    FROM RANKED R WHERE R.UP_CODE IS NULL\n"
    "  UNION ALL\n"
    "  SELECT R.STRG_CODE, T.LVL + 1,\n"
    "         CAST(T.SORT_KEY || R.SIB AS VARCHAR(2000)),\n"
    "         CAST(T.STRG_PATH || ' > ' || COALESCE(R.STRG_NAME, R.STRG_CODE) AS VARCHAR(2000)),\n"
    "         CAST(T.INDENT || '\t' AS VARCHAR(2000))\n"
    "    FROM RANKED R JOIN TREE T ON R.UP_CODE = T.STRG_CODE\n"
    "   WHERE T.LVL < 20\n"
    ")\n"
    "SELECT B.*, T.STRG_PATH,\n"
    "       T.INDENT || B.STRG_CODE || ' ' || COALESCE(B.STRG_NAME, '') AS STRG_TREE,\n"
    "       ROW_NUMBER() OVER (ORDER BY T.SORT_KEY) - 1 AS ROWCNT\n"
    "  FROM TREE T JOIN OX060MS B ON B.STRG_CODE = T.STRG_CODE\n"
    " ORDER BY T.SORT_KEY";

} // namespace

std::vector<Column> auditColumns()
{
    return {
        text("U_EMP_NO", 8),
        dateTime("U_DATE"),
        text("U_IP", 20),
    };
}

const std::vector<Table> &tables()
{
    static const std::vector<Table> all = buildTables();
    return all;
}

const std::vector<View> &views()
{
    static const std::vector<View> all = {
        {"OX030MS_VIEW", kItemClassView},
        {"OX060MS_VIEW", kWarehouseView},
        {"OP020MS_VIEW", kMaterialTypeView},
    };
    return all;
}

} // namespace db
