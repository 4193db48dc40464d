#pragma once
// A signed-in program without its window: the data module connected to a
// fresh database as the launcher would start it, for tests of screens.
// It enters no area into the program table or the report catalogue: a suite
// that opens a screen or a report by its name registers the area it tests
// (Register…Area()), so it links no other area.

#include "shell/ZZD000.h"
#include <memory>

class TestSession {
public:
    // A fresh database (with the demo data unless told otherwise), signed in as `empNo`.
    explicit TestSession(const QString &empNo = QStringLiteral("A0000001"), bool withDemo = true);
    ~TestSession();

    QString alias() const { return m_alias; }
    QString appDir() const { return m_appDir; }
    db::Connection &conn() { return m_data->dbsDB; }
    // A value as the database has it now: first column of the first row.
    QString scalar(const QString &sql, const QList<QPair<QString, QString>> &params = {});

private:
    QString m_alias;
    QString m_appDir;
    std::unique_ptr<TfrmZZD000> m_data;
};
