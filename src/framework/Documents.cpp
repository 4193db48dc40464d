#include "framework/Documents.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "framework/ZOI010.h"

#include <QKeyEvent>

QString DrawDocumentNumber(db::Connection &conn, const QString &kind, const QString &date)
{
    const QString month = QString(date).remove(u'-').left(6);
    const QString number = conn.callProcedure(QStringLiteral("PR_GETADMINNO"),
                                              {{QStringLiteral("I_GUBUN"), kind}, {QStringLiteral("I_DATE"), month}})
                               .value(QStringLiteral("O_NO"));
    if (number.isEmpty() || number.startsWith(QLatin1String("ERR")))
        throw EUserExcept(number.isEmpty() ? QStringLiteral("ERR") : number);
    return number;
}

void StatusGate::check(db::Connection &conn, const Params &key, GateAction action) const
{
    auto bound = [&key](db::Query &q) -> db::Query & {
        for (const auto &p : key)
            if (q.parameterNames().contains(p.first))
                q.bind(p.first, p.second);
        return q;
    };
    if (conn.inTransaction()) {
        for (const QString &lock : lockSql) {
            db::Query q(conn, lock);
            bound(q).exec();
        }
    }
    db::Query q(conn, stateSql);
    bound(q).exec();
    if (!q.next()) {
        if (!missing.isEmpty())
            throw EUserExcept(missing);
        return;
    }
    for (const StatusRule &rule : rules) {
        if (q.text(rule.column).trimmed() == rule.value)
            throw EUserExcept(action == GateAction::Edit ? rule.editRefusal : rule.deleteRefusal);
    }
}

bool IsEnterKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool DocumentListKey(TfrmZOI010 &screen, const QKeyEvent &event)
{
    if (IsEnterKey(event))
        screen.bbtEditClick();
    else if (event.key() == Qt::Key_Delete)
        screen.bbtDeleteClick();
    else
        return false;
    return true;
}
