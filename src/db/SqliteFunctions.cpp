#include "db/SqliteFunctions.h"
#include "db/DbError.h"

#include <QDateTime>
#include <QSqlDriver>
#include <sqlite3.h>

namespace db {

namespace {

QString argText(sqlite3_value *v)
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p) : QString();
}

void resultText(sqlite3_context *ctx, const QString &s)
{
    const QByteArray utf8 = s.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void toChar(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, formatDateText(argText(argv[0]), argText(argv[1])));
}

void lpad(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = argText(argv[0]);
    const int width = sqlite3_value_int(argv[1]);
    const QString fill = argc > 2 ? argText(argv[2]) : QStringLiteral(" ");
    if (width <= 0) {
        resultText(ctx, QString());
        return;
    }
    if (s.size() >= width || fill.isEmpty()) {
        resultText(ctx, s.left(width));
        return;
    }
    QString pad;
    while (pad.size() < width - s.size())
        pad += fill;
    resultText(ctx, pad.left(width - s.size()) + s);
}

void sysdate(sqlite3_context *ctx, int, sqlite3_value **)
{
    resultText(ctx, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

} // namespace

QString formatDateText(const QString &value, const QString &format)
{
    const QString year = value.mid(0, 4), month = value.mid(5, 2), day = value.mid(8, 2);
    const QString hour = value.mid(11, 2), minute = value.mid(14, 2), second = value.mid(17, 2);
    QString out;
    const QString f = format.toUpper();
    for (qsizetype i = 0; i < f.size();) {
        auto take = [&](const char *token, const QString &part) {
            const qsizetype n = qsizetype(qstrlen(token));
            if (f.mid(i, n) != QLatin1String(token))
                return false;
            out += part;
            i += n;
            return true;
        };
        if (take("YYYY", year) || take("HH24", hour) || take("MM", month) || take("DD", day)
            || take("MI", minute) || take("SS", second))
            continue;
        out += format.at(i);
        ++i;
    }
    return out;
}

void registerSqliteFunctions(QSqlDatabase &db)
{
    auto *handle = *static_cast<sqlite3 *const *>(db.driver()->handle().constData());
    if (!handle)
        throw DbError(QStringLiteral("SQLite handle not available"));
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(handle, "TO_CHAR", 2, flags, nullptr, toChar, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle, "LPAD", 2, flags, nullptr, lpad, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle, "LPAD", 3, flags, nullptr, lpad, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(handle, "SYSDATE", 0, SQLITE_UTF8, nullptr, sysdate, nullptr, nullptr, nullptr);
}

} // namespace db
