// Administration of a purchasing database: create the schema, load the demo
// data set, load and write the reference tables of other systems as CSV.

#include "db/Catalogue.h"
#include "db/CsvTable.h"
#include "db/Schema.h"
#include "demo/DemoHistory.h"
#include "session/Session.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

namespace {

const QStringList kReferenceTables = {
    QStringLiteral("QA010MS"), QStringLiteral("QA160MS"), QStringLiteral("VA050MS"), QStringLiteral("VA020MS"),
    QStringLiteral("JA010MS"), QStringLiteral("ZX010MS"), QStringLiteral("ZA040MS"), QStringLiteral("ZA050MS"),
    QStringLiteral("ZA130MS"), QStringLiteral("ZA140MS"), QStringLiteral("ZA150MS"),
};

const char *const kUsage =
    "usage: purchasing-db [--user USER] [--password PASSWORD] COMMAND ALIAS [ARGS]\n"
    "  init ALIAS                 create the schema (a new SQLite file or a PostgreSQL service)\n"
    "  demo ALIAS [DIR]           load the demo data set (schema created when missing) and write\n"
    "                             a year of activity ending last month; options:\n"
    "                             --months N  months of activity (0: the master data only)\n"
    "                             --scale N   copies of outlets and items, 1 to 4, for benchmarks\n"
    "                             --documents-only  write the documents without posting them\n"
    "                                         or closing (for measuring the stock rebuild)\n"
    "  import ALIAS TABLE FILE    replace a reference table's rows with a CSV file\n"
    "  export ALIAS TABLE FILE    write a reference table as CSV\n"
    "ALIAS ending in .db/.sqlite or containing '/' is a SQLite file; any other is a\n"
    "PostgreSQL service of the libpq service file (PGSERVICEFILE).\n"
    "Reference tables: QA010MS QA160MS VA050MS VA020MS JA010MS ZX010MS ZA040MS ZA050MS ZA130MS ZA140MS ZA150MS\n";

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

int loadDemo(db::Connection &conn, const QString &dir, const demo::HistoryOptions &history)
{
    if (!db::schemaExists(conn))
        db::createSchema(conn);
    const QStringList files = QDir(dir).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        throw db::DbError(QStringLiteral("no demo data found in %1").arg(dir));
    db::Transaction tx(conn);
    for (const QString &file : files) {
        const QString table = QFileInfo(file).baseName();
        const auto result = db::importCsv(conn, table, QDir(dir).filePath(file));
        out() << table << ": " << result.rows << " rows\n";
    }
    tx.commit();
    if (history.months == 0)
        return 0;
    demo::HistoryOptions options = history;
    options.dayDone = [](const QDate &day) {
        if (day.addDays(1).day() == 1) {
            out() << day.toString(QStringLiteral("yyyy-MM")) << ": written and closed\n";
            out().flush();
        }
    };
    const demo::HistoryCounts counts = demo::generateHistory(conn, options);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        out() << it.key() << ": " << it.value() << " rows of activity\n";
    return 0;
}

// "--months N" and "--scale N" of the demo command; false when a value is no number in range.
bool takeHistoryOption(const QString &option, const QString &value, demo::HistoryOptions &history)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    if (option == QLatin1String("--months") && ok && n >= 0 && n <= 120)
        history.months = n;
    else if (option == QLatin1String("--scale") && ok && n >= 1 && n <= demo::kMaxScale)
        history.scale = n;
    else
        return false;
    return true;
}

void requireReference(const QString &table)
{
    if (!kReferenceTables.contains(table.toUpper()))
        throw db::DbError(QStringLiteral("%1 is not a reference table (%2)").arg(table, kReferenceTables.join(QLatin1Char(' '))));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString user = qEnvironmentVariable("PGUSER");
    QString password = qEnvironmentVariable("PGPASSWORD");
    demo::HistoryOptions history = demo::yearBefore(QDate::currentDate());
    for (int i = 0; i < args.size();) {
        if (!args.at(i).startsWith(QLatin1String("--"))) {
            ++i;
            continue;
        }
        const QString option = args.takeAt(i);
        if (option == QLatin1String("--documents-only")) {
            history.posting = demo::Posting::DocumentsOnly;
            continue;
        }
        const QString value = i < args.size() ? args.takeAt(i) : QString();
        if (option == QLatin1String("--user"))
            user = value;
        else if (option == QLatin1String("--password"))
            password = value;
        else if (!takeHistoryOption(option, value, history)) {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    const QString command = args.value(0);
    const bool argumentsFit = (command == QLatin1String("init") && args.size() == 2)
        || (command == QLatin1String("demo") && (args.size() == 2 || args.size() == 3))
        || ((command == QLatin1String("import") || command == QLatin1String("export")) && args.size() == 4);
    if (!argumentsFit) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString alias = args.at(1);
    try {
        db::Connection conn;
        conn.open({alias, user, password.isEmpty() ? user : password}, command == QLatin1String("init") || command == QLatin1String("demo"));
        if (command == QLatin1String("init")) {
            db::createSchema(conn);
            out() << "schema created: " << db::tables().size() << " tables, " << db::views().size() << " views\n";
        } else if (command == QLatin1String("demo")) {
            gLocalIP = GetLocalIP();
            return loadDemo(conn, args.value(2, QStringLiteral(PURCHASING_DEMO_DIR)), history);
        } else if (command == QLatin1String("import")) {
            requireReference(args.at(2));
            const auto result = db::importCsv(conn, args.at(2).toUpper(), args.at(3));
            out() << args.at(2).toUpper() << ": " << result.rows << " rows loaded\n";
        } else {
            requireReference(args.at(2));
            const int rows = db::exportCsv(conn, args.at(2).toUpper(), args.at(3));
            out() << args.at(2).toUpper() << ": " << rows << " rows written\n";
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "purchasing-db: %s\n", e.what());
        return 1;
    }
    return 0;
}
