#pragma once
// What the picture tools of docs/ share: the program's session on a demo
// database, and a printed document written as PDF with its first page as PNG.

#include "shell/ZZD000.h"

#include <QTemporaryDir>
#include <memory>

namespace reports { struct Document; }

// Opens DEMO_ALIAS as the launcher would for the employee given (user and
// password from PGUSER/PGPASSWORD, VMUSER/vmuser when unset).
class DemoSession {
public:
    DemoSession(const QString &alias, const QString &empNo, const QString &empName);
    bool isOpen() const { return m_data->dbsDB.isOpen(); }
    db::Connection &conn() { return m_data->dbsDB; }

private:
    QTemporaryDir m_appDir;
    std::unique_ptr<TfrmZZD000> m_data;
};

// The usage line when the arguments are not DEMO_ALIAS OUTPUT_DIR.
bool HasDemoAndOutputArguments(const QStringList &args, const char *tool);

// Writes `doc` as OUTPUT_DIR/NAME.pdf and its first page as NAME.png and
// prints the PNG's path; false, after saying why on stderr, when it cannot.
bool WriteDocumentPictures(const reports::Document &doc, const QString &outputDir, const QString &name);
