// Prepares a printout of about 1,000 A4 pages on the portrait page frame
// (groups with sums, a summary, the footer with "page / total") and writes
// it to PDF; reports the time of each step and the peak memory.
//
//   bench_report [pages] [output.pdf]

#include "BenchSupport.h"
#include "framework/ZZP010.h"
#include "reports/Render.h"
#include "widgets/Format.h"
#include "widgets/RecordSet.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

using namespace reports;

namespace {

// Lines of a receiving list: 40 lines per receipt, seven columns.
class Listing : public TfrmZZP010 {
public:
    Listing() : TfrmZZP010(QStringLiteral("OCS999"))
    {
        setTitle(QStringLiteral("입 고 명 세 서"));
        setCondition(QStringLiteral("입고일자 : 2004-01-01 ~ 2004-12-31   창고 : 전체"));
        const double w = bandWidth();
        const QRectF cols[] = {{0, 0, 40, 20}, {40, 0, 110, 20}, {150, 0, 230, 20}, {380, 0, 80, 20},
                               {460, 0, 100, 20}, {560, 0, w - 560, 20}};
        const char *titles[] = {"No", "품목코드", "품        명", "수량", "단  가", "금  액"};
        const char *fields[] = {"", "ITEM_CODE", "ITEM_NAME", "QTY", "COST_AMT", "AMT"};
        const char *formats[] = {"", "", "", "#,##0.0", "#,##0.0000", "#,##0"};
        Band &heading = report.columnHeader(22);
        Band &line = report.detail(20);
        for (int c = 0; c < 6; ++c) {
            heading.label(QStringLiteral("qrlH%1").arg(c), cols[c], QString::fromUtf8(titles[c]))
                .frame(FrameBox).align(Qt::AlignCenter).fill(QColor(235, 235, 235));
            Element &e = c == 0 ? line.system(QStringLiteral("qrlNo"), cols[c], SystemValue::LineNumber)
                                : line.text(QStringLiteral("qrd%1").arg(QLatin1String(fields[c])), cols[c], QLatin1String(fields[c]));
            e.frame(FrameLeft | FrameRight | FrameBottom).format(QLatin1String(formats[c]));
            if (c >= 3)
                e.align(Qt::AlignRight);
        }
        Group &receipt = report.group(QStringLiteral("INPUT_NO"));
        receipt.header(22).text(QStringLiteral("qrdINPUT_NO"), {0, 2, 300, 18}, QStringLiteral("INPUT_NO"))
            .font(reportPixelFont(QStringLiteral("굴림"), 13, true));
        receipt.header().beforePrint = [this](Band &, const Row &) { m_receipt = 0; };
        line.afterPrint = [this](Band &, const Row &row) {
            m_receipt += row.number(QStringLiteral("AMT"));
            m_total += row.number(QStringLiteral("AMT"));
        };
        receipt.footer(22).label(QStringLiteral("qrlSum"), {w - 200, 2, 200, 18}, QString()).align(Qt::AlignRight);
        receipt.footer().beforePrint = [this](Band &b, const Row &) {
            b[QStringLiteral("qrlSum")].setText(QStringLiteral("소계 ") + widgets::formatNumber(m_receipt, QStringLiteral("#,##0")));
        };
        report.summary(30).label(QStringLiteral("qrlTotal"), {w - 260, 6, 260, 20}, QString()).align(Qt::AlignRight);
        report.summary().beforePrint = [this](Band &b, const Row &) {
            b[QStringLiteral("qrlTotal")].setText(QStringLiteral("합계 ") + widgets::formatNumber(m_total, QStringLiteral("#,##0")));
        };
        report.beforePrint = [this](Report &) { m_receipt = m_total = 0; };
    }

private:
    double m_receipt = 0, m_total = 0;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int pages = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir scratch;
    const QString output = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.filePath(QStringLiteral("bench_report.pdf"));
    const long baseKb = peakMemoryKb();

    // Receipts of 40 lines with their group bands: about 45 lines a page.
    const int rows = pages * 45;
    QElapsedTimer clock;
    clock.start();
    Listing form;
    form.cdsQuery.setFields({{"INPUT_NO"}, {"ITEM_CODE"}, {"ITEM_NAME"}, {"QTY", widgets::FieldKind::Number},
                             {"COST_AMT", widgets::FieldKind::Number}, {"AMT", widgets::FieldKind::Number}});
    form.cdsQuery.beginLoad(rows);
    for (int i = 0; i < rows; ++i) {
        const double qty = 1 + i % 17, cost = 1000.25 + (i % 101) * 13.5;
        form.cdsQuery.appendRow({QStringLiteral("IN2004%1").arg(i / 40, 7, 10, QLatin1Char('0')),
                                 QStringLiteral("%1").arg(100000 + i % 5000), QStringLiteral("시험 품목 %1 규격 %2").arg(i % 5000).arg(i % 7),
                                 qty, cost, qty * cost});
    }
    form.cdsQuery.endLoad();
    const qint64 loaded = clock.restart();

    const Document doc = form.prepare();
    const qint64 prepared = clock.restart();
    const long preparedKb = peakMemoryKb();

    QString error;
    if (!writePdf(doc, output, &error)) {
        std::fprintf(stderr, "PDF failed: %s\n", qPrintable(error));
        return 1;
    }
    const qint64 written = clock.restart();

    std::printf("report: %d rows, %d pages (last footer %s / %s)\n", rows, doc.pageCount(),
                qPrintable(doc.pages.last().text(QStringLiteral("qrlPageCurrent"))),
                qPrintable(doc.pages.last().text(QStringLiteral("qrlPageTotal"))));
    std::printf("  load rows      %6lld ms\n", loaded);
    std::printf("  prepare        %6lld ms  (%.2f ms/page)\n", prepared, double(prepared) / qMax(1, doc.pageCount()));
    std::printf("  write PDF      %6lld ms  (%.2f ms/page, %.1f MB)\n", written, double(written) / qMax(1, doc.pageCount()),
                QFileInfo(output).size() / 1048576.0);
    std::printf("  peak memory    %ld MB at start, %ld MB after prepare, %ld MB after PDF (VmHWM)\n", baseKb / 1024,
                preparedKb / 1024, peakMemoryKb() / 1024);
    return 0;
}
