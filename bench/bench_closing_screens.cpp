// The closing screens on the generated month of bench_closing (made here
// when the database holds no stock yet; left as bench_closing leaves it
// otherwise): the cancels that reopen May 2026, then the daily closing of
// all 31 days as OEB030 runs it (one transaction per day), the purchase
// closing (OEB010) and the system closing (OEB020) of the month.
//   bench_closing_screens ALIAS
// Runs headless (QT_QPA_PLATFORM=offscreen unless set).

#include "BenchSupport.h"
#include "ClosingData.h"
#include "modules/closing/OEB010.h"
#include "modules/closing/OEB020.h"
#include "modules/closing/OEB030.h"
#include "session/Database.h"
#include "session/Dialogs.h"
#include "session/Session.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <cstdio>

namespace {

const char *g_engine = "";

// Prints what the screens say instead of showing it.
class PrintingResponder : public DialogResponder {
public:
    bool message(MessageKind, const QString &, const QString &text) override
    {
        std::printf("%s    says: %s\n", g_engine, qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1String(" / "))));
        return true;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    int execDialog(QDialog *) override { return 0; }
};

template <typename Screen>
void press(const char *title, QPushButton *Screen::*button)
{
    Screen screen;
    screen.medYYMM->setPlainText(QStringLiteral("202605"));
    QElapsedTimer timer;
    timer.start();
    (screen.*button)->click();
    std::printf("%s  %-32s ms=%lld\n", g_engine, title, timer.elapsed());
}

// Ticks every day of May 2026 and presses `button`.
void dailyClosing(const char *title, bool cancel)
{
    TfrmOEB030 screen;
    screen.medYYMM->setPlainText(QStringLiteral("202605"));
    screen.bbtSearchClick();
    for (int row = 0; row < screen.cdsEnd->recordCount(); ++row)
        screen.cdsEnd->setValue(row, QStringLiteral("SEL"), QStringLiteral("1"));
    QElapsedTimer timer;
    timer.start();
    (cancel ? screen.bbtEnd_Cancel : screen.bbEnd)->click();
    const qint64 ms = timer.elapsed();
    std::printf("%s  %-32s ms=%lld  per day=%lld\n", g_engine, title, ms, ms / qMax(1, screen.cdsEnd->recordCount()));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().size() < 2) {
        std::fputs("usage: bench_closing_screens ALIAS\n", stderr);
        return 2;
    }
    const QString alias = app.arguments().at(1);
    g_engine = db::Connection::engineOfAlias(alias) == db::Engine::SQLite ? "sqlite" : "postgresql";
    db::Connection conn;
    conn.open({alias, qEnvironmentVariable("PGUSER", QStringLiteral("VMUSER")),
               qEnvironmentVariable("PGPASSWORD", QStringLiteral("vmuser"))});
    SetProgramConnection(&conn);
    gEmpNo = QStringLiteral("A0000001");
    PrintingResponder responder;
    setDialogResponder(&responder);

    if (db::Query::scalar(conn, QStringLiteral("SELECT COUNT(*) FROM OZ010MS")).toInt() == 0) {
        QElapsedTimer timer;
        timer.start();
        closing_data::generate(conn);
        std::printf("%s  closing data generated in %lld ms\n", g_engine, timer.elapsed());
    }
    press<TfrmOEB020>("system closing cancel 202605", &TfrmOEB020::bbtEnd_Cancel);
    press<TfrmOEB010>("purchase closing cancel 202605", &TfrmOEB010::bbtEnd_Cancel);
    dailyClosing("daily closing cancel, May 2026", true);
    dailyClosing("daily closing of May 2026", false);
    press<TfrmOEB010>("purchase closing 202605", &TfrmOEB010::bbEnd);
    press<TfrmOEB020>("system closing 202605", &TfrmOEB020::bbEnd);
    std::printf("%s  peak memory kb=%ld\n", g_engine, peakMemoryKb());
    setDialogResponder(nullptr);
    SetProgramConnection(nullptr);
    return 0;
}
