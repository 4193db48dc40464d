#include "framework/Records.h"
#include "framework/SharedSql.h"
#include "widgets/RecordSet.h"


int OpenRecords(widgets::RecordSet &records, db::Connection &conn, const QString &sql, const Params &params)
{
    db::Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
    return LoadRecords(records, q);
}

int LoadRecords(widgets::RecordSet &records, db::Query &q)
{
    const QStringList columns = q.columns();
    QVector<widgets::Field> fields;
    QVector<bool> numeric;
    for (const QString &name : columns) {
        numeric.append(q.isNumeric(name));
        fields.append({name, numeric.back() ? widgets::FieldKind::Number : widgets::FieldKind::Text, {}});
    }
    records.setFields(fields);
    records.beginLoad();
    while (q.next()) {
        QVector<QVariant> row;
        row.reserve(columns.size());
        for (int i = 0; i < columns.size(); ++i) {
            const QString text = q.text(i);
            if (text.isEmpty())
                row.append(QVariant());
            else if (numeric[i])
                row.append(text.toDouble());
            else
                row.append(text);
        }
        records.appendRow(std::move(row));
    }
    records.endLoad();
    return records.recordCount();
}

void BindFromRecord(db::Query &query, const widgets::RecordSet &records, const Params &extra)
{
    for (const auto &p : extra)
        query.bind(p.first, p.second);
    for (const QString &name : query.parameterNames()) {
        bool given = false;
        for (const auto &p : extra)
            given = given || p.first.compare(name, Qt::CaseInsensitive) == 0;
        if (!given)
            query.bind(name, records.text(name));
    }
    sql::BindAudit(query);
}

int ExecFromRecord(db::Connection &conn, const QString &sql, const widgets::RecordSet &records, const Params &extra)
{
    db::Query q(conn, sql);
    BindFromRecord(q, records, extra);
    q.exec();
    return q.rowsAffected();
}
