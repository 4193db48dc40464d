#pragma once
// Statement pieces and code searches that many screens share: the name of a
// purchase unit, the status names of requests and orders, the standard
// lookups (warehouse, department, employee, supplier, item) and the audit
// columns every write stamps.

#include "framework/Lookups.h"

#include <QString>

namespace db { class Query; }

namespace sql {

// "(SELECT … ) " giving the name of the purchase unit in `unitColumn`
// (common code Z0025), e.g. UnitName("B.GUMAE_UNIT") + " GUMAE_UNIT_NM".
QString UnitName(const QString &unitColumn);

// Status of a purchase request (APPR_GUBUN): '1' 승인취소, '2' 승    인, '3' 미 결 재.
QString RequestStatusName(const QString &apprGubun);
QString RequestStatusNameSql(const QString &column);
// Status of a purchase order (APPR_GUBUN): '1' 확정취소, '2' 확    정, '3' 미 확 정.
QString OrderStatusName(const QString &apprGubun);
QString OrderStatusNameSql(const QString &column);

// :U_EMP_NO and :U_IP (those the statement has) from the signed-in user and
// the workstation; the statement writes U_DATE = SYSDATE() itself.
db::Query &BindAudit(db::Query &query);

} // namespace sql

namespace lookup {

// Warehouses a purchase may name (business kinds of common code 'O0002'
// marked for purchasing): code, name, department code, department name.
// `inUseOnly` leaves out warehouses no longer in use.
Lookup Warehouse(const QString &button, const QStringList &into, bool inUseOnly, const LookupOptions &options = {});
// Departments in use, typed by name: code, name.
Lookup Department(const QString &button, const QStringList &into, const LookupOptions &options = {});
// Employees by number: number, name.
Lookup Employee(const QString &button, const QStringList &into, const LookupOptions &options = {});
// Suppliers typed by name: code, name, registration number, representative.
Lookup Supplier(const QString &button, const QStringList &into, bool inUseOnly, const LookupOptions &options = {});
// Items in use typed by name: code, name, standard, unit name.
Lookup Item(const QString &button, const QStringList &into, const LookupOptions &options = {});
// The same items with the name of their stock unit, for the stock screens.
Lookup StockItem(const QString &button, const QStringList &into, const LookupOptions &options = {});

} // namespace lookup
