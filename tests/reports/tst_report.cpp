// The banded report engine and the page frames: page layout, page numbers,
// groups, sub-details, events, stretching, and what lands in PDF files.

#include "framework/ZZP010.h"
#include "framework/ZZP020.h"
#include "reports/Parameters.h"
#include "reports/Render.h"
#include "reports/Report.h"
#include "widgets/RecordSet.h"

#include "PdfText.h"

#include <QtTest>

using namespace reports;

namespace {

// "name=text" of the items whose names start with one of `prefixes`, in
// drawing order over all pages: the sequence a reader sees.
QStringList trace(const Document &doc, const QStringList &prefixes)
{
    QStringList out;
    for (const Page &page : doc.pages)
        for (const Item &item : page.items)
            for (const QString &p : prefixes)
                if (item.name.startsWith(p)) {
                    out << item.name + u'=' + item.text;
                    break;
                }
    return out;
}

const Item *item(const Page &page, const QString &name)
{
    const Item *i = page.find(name);
    if (!i)
        qWarning("no item %s", qPrintable(name));
    return i;
}

void fill(widgets::RecordSet &set, const QVector<widgets::Field> &fields, const QList<QVector<QVariant>> &rows)
{
    set.setFields(fields);
    set.beginLoad();
    for (const auto &r : rows)
        set.appendRow(r);
    set.endLoad();
}

// A frame printout over counted rows, with a column heading and a line per row.
struct CountedPrintout : TfrmZZP010 {
    explicit CountedPrintout(int rows, QPageLayout::Orientation o = QPageLayout::Portrait) : TfrmZZP010(QStringLiteral("OXP999"), o)
    {
        setTitle(QStringLiteral("구 매 의 뢰 서"));
        report.setRowCount(rows);
        report.columnHeader(24).label(QStringLiteral("head"), {0, 0, 200, 24}, QStringLiteral("품        명"));
        report.detail(20).system(QStringLiteral("line"), {0, 0, 60, 20}, SystemValue::LineNumber);
    }
};

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void footersNumberPagesOfTotal()
    {
        CountedPrintout form(120);
        const Document doc = form.prepare();
        QCOMPARE(doc.pageCount(), 3);
        QCOMPARE(form.report.pageCount(), 3);
        const double footerTop = form.report.printArea().bottom() - 50;
        int expectedLine = 1;
        for (int p = 0; p < 3; ++p) {
            const Page &page = doc.pages[p];
            QCOMPARE(page.text("qrlPageCurrent") + u' ' + page.text("qrlPageSlash") + u' ' + page.text("qrlPageTotal"),
                     QStringLiteral("%1 / 3").arg(p + 1));
            QCOMPARE(page.text("qrlProgramID"), QStringLiteral("OXP999"));
            QCOMPARE(page.text("qrlCompany"), QStringLiteral("온비리조트"));
            QCOMPARE(page.text("qrlCompanyEng"), QStringLiteral("VEMO RESORT"));
            QCOMPARE(page.text("qrlDateLabel"), QStringLiteral("Date :"));
            QCOMPARE(page.text("qrlDate"), doc.printed.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
            QVERIFY(page.find("qriLogo"));
            // The title box only on the first page, the column heading on every page.
            QCOMPARE(bool(page.find("qrlTitle")), p == 0);
            QCOMPARE(bool(page.find("qrsTitleShadow")), p == 0);
            QCOMPARE(page.text("head"), QStringLiteral("품        명"));
            // Lines continue without a gap or a repeat and stay above the footer.
            for (const Item &i : page.items) {
                if (i.name != QLatin1String("line"))
                    continue;
                QCOMPARE(i.text, QString::number(expectedLine++));
                QVERIFY(i.rect.bottom() <= footerTop + 0.01);
            }
            QCOMPARE(item(page, "qrlPageTotal")->rect.top(), footerTop + 14);
        }
        QCOMPARE(expectedLine, 121);

        // Preparing again after more rows counts again.
        form.report.setRowCount(20);
        const Document one = form.prepare();
        QCOMPARE(one.pageCount(), 1);
        QCOMPARE(one.pages[0].text("qrlPageTotal"), QStringLiteral("1"));
    }

    void framesHaveTheirPageShapes()
    {
        TfrmZZP010 portrait(QStringLiteral("OAP010"));
        TfrmZZP020 landscape(QStringLiteral("OAP010"));
        QCOMPARE(qRound(portrait.bandWidth()), 699);
        QCOMPARE(qRound(landscape.bandWidth()), 1028);
        QCOMPARE(portrait.qrlTitle->text(), QStringLiteral("제목"));
        QCOMPARE(portrait.qrbHeader->height(), 70);
        QCOMPARE(portrait.qrbFooter->height(), 50);
        const Document doc = landscape.prepare();   // prints although there are no rows
        QCOMPARE(doc.pageCount(), 1);
        QCOMPARE(doc.orientation, QPageLayout::Landscape);
        QVERIFY(doc.pageSize.width() > doc.pageSize.height());
        // Title box centred on the wider band, shadow 4 pixels down-right,
        // the company at the right edge.
        const Page &page = doc.pages[0];
        const QRectF box = item(page, "qrsTitle")->rect;
        QCOMPARE(item(page, "qrsTitleShadow")->rect, box.translated(4, 4));
        const QRectF area = landscape.report.printArea();
        QVERIFY(qAbs(box.center().x() - area.center().x()) < 1);
        QVERIFY(qAbs(item(page, "qrlCompany")->rect.right() - area.right()) < 1);
        QVERIFY(qAbs(item(page, "qrlPageSlash")->rect.center().x() - area.center().x()) < 1);
    }

    void framePagePixels()
    {
        CountedPrintout form(3);
        const Document doc = form.prepare();
        const QImage image = pageImage(doc, 0, 1.0);
        const Page &page = doc.pages[0];
        const QRectF box = item(page, "qrsTitle")->rect;
        // Inside the title box away from the text: beige; under the shadow's
        // visible corner: grey; left of the box: white paper.
        QCOMPARE(image.pixelColor(QPoint(int(box.left()) + 4, int(box.top()) + 4)), QColor(240, 202, 166));
        QCOMPARE(image.pixelColor(QPoint(int(box.right()) + 2, int(box.bottom()) + 2)), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(QPoint(int(box.left()) - 4, int(box.top()) + 4)), QColor(Qt::white));
        // The title text draws dark pixels in the box's middle.
        int dark = 0;
        for (int x = int(box.left()); x < int(box.right()); ++x)
            for (int y = int(box.top()) + 4; y < int(box.bottom()) - 4; ++y)
                dark += qGray(image.pixel(x, y)) < 80;
        QVERIFY2(dark > 100, qPrintable(QString::number(dark)));
        // The logo is drawn.
        const QRectF logo = item(page, "qriLogo")->rect;
        QVERIFY(image.pixelColor(logo.center().toPoint()) != QColor(Qt::white));
    }

    void pdfHoldsKoreanTextAndEmbeddedFonts()
    {
        if (!havePdfTools())
            QSKIP("poppler-utils not installed");
        CountedPrintout form(60);
        form.setCondition(QStringLiteral("의뢰일자 : 2004-01-01 ~ 2004-01-31   창고 : 자재창고"));
        const Document doc = form.prepare();
        QCOMPARE(doc.pageCount(), 2);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("frame.pdf"));
        QString error;
        QVERIFY2(writePdf(doc, file, &error), qPrintable(error));

        // The extractor decides itself where blanks between Korean letters
        // go; the letters must all be there, and no control codes in place
        // of the blanks.
        const QString text = pdfTool(QStringLiteral("pdftotext"), file, {QStringLiteral("-layout")});
        auto squeezed = [](QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))); };
        for (const QString &expected : {QStringLiteral("구 매 의 뢰 서"), QStringLiteral("의뢰일자 : 2004-01-01 ~ 2004-01-31   창고 : 자재창고"),
                                        QStringLiteral("온비리조트"), QStringLiteral("OXP999")})
            QVERIFY2(squeezed(text).contains(squeezed(expected)), qPrintable(expected + u'\n' + text));
        QVERIFY2(text.contains(QStringLiteral("VEMO RESORT")) && text.contains(QStringLiteral("Date : ")), qPrintable(text));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[\\x01-\\x08]"))));
        const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(pages[0].contains(QRegularExpression(QStringLiteral("\\b1\\s*/\\s*2\\b"))));
        QVERIFY(pages[1].contains(QRegularExpression(QStringLiteral("\\b2\\s*/\\s*2\\b"))));

        const QString info = pdfTool(QStringLiteral("pdfinfo"), file);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595[.\\d]* x 84[12][.\\d]* pts \\(A4\\)"))), qPrintable(info));
        // Every font is embedded, the Korean ones included.
        const QString fonts = pdfTool(QStringLiteral("pdffonts"), file);
        QVERIFY2(fonts.contains(QStringLiteral("Nanum")), qPrintable(fonts));
        for (const QString &line : fonts.split(u'\n').mid(2, -1))
            if (!line.trimmed().isEmpty())
                QVERIFY2(line.contains(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+(yes|no)\\s+\\d+"))), qPrintable(fonts));

        // Landscape pages come out landscape.
        TfrmZZP020 wide(QStringLiteral("OAP010"));
        const QString wideFile = dir.filePath(QStringLiteral("wide.pdf"));
        QVERIFY(writePdf(wide.prepare(), wideFile));
        QVERIFY(pdfTool(QStringLiteral("pdfinfo"), wideFile).contains(QRegularExpression(QStringLiteral("Page size:\\s+84[12][.\\d]* x 595"))));

        QVERIFY(!writePdf(doc, dir.filePath(QStringLiteral("missing/dir/x.pdf")), &error));
        QVERIFY(!error.isEmpty());
    }

    void groupsNestWithSumsAndSummary()
    {
        widgets::RecordSet rows;
        fill(rows, {{"DEPT"}, {"ITEM"}, {"AMT", widgets::FieldKind::Number, "#,##0"}},
             {{"D1", "a", 1000}, {"D1", "a", 500}, {"D1", "b", 7}, {"D2", "b", 1}, {"D2", "b", 2}, {"D2", "c", 3}});
        Report r;
        r.setRecords(&rows);
        double dept = 0, item = 0, total = 0;
        r.beforePrint = [&](Report &) { dept = item = total = 0; };
        Group &outer = r.group(QStringLiteral("DEPT"));
        Group &inner = r.group([](const Row &row) { return row.text(QStringLiteral("ITEM")); });
        outer.header(20).text(QStringLiteral("H1"), {0, 0, 100, 20}, QStringLiteral("DEPT"));
        outer.header().beforePrint = [&](Band &, const Row &) { dept = 0; };
        inner.header(20).text(QStringLiteral("H2"), {0, 0, 100, 20}, QStringLiteral("ITEM"));
        inner.header().beforePrint = [&](Band &, const Row &) { item = 0; };
        Band &d = r.detail(20);
        d.text(QStringLiteral("D"), {0, 0, 100, 20}, QStringLiteral("AMT"));
        d.afterPrint = [&](Band &, const Row &row) {
            const double amt = row.number(QStringLiteral("AMT"));
            dept += amt;
            item += amt;
            total += amt;
        };
        inner.footer(20).label(QStringLiteral("F2"), {0, 0, 100, 20}, QString());
        inner.footer().beforePrint = [&](Band &b, const Row &row) {
            b[QStringLiteral("F2")].setText(row.text(QStringLiteral("ITEM")) + u':' + QString::number(item));
        };
        outer.footer(20).label(QStringLiteral("F1"), {0, 0, 100, 20}, QString());
        outer.footer().beforePrint = [&](Band &b, const Row &row) {
            b[QStringLiteral("F1")].setText(row.text(QStringLiteral("DEPT")) + u':' + QString::number(dept));
        };
        r.summary(20).label(QStringLiteral("S"), {0, 0, 100, 20}, QString());
        r.summary().beforePrint = [&](Band &b, const Row &) { b[QStringLiteral("S")].setText(QString::number(total)); };

        const QStringList expected{
            "H1=D1", "H2=a", "D=1,000", "D=500", "F2=a:1500", "H2=b", "D=7", "F2=b:7", "F1=D1:1507",
            "H1=D2", "H2=b", "D=1", "D=2", "F2=b:3", "H2=c", "D=3", "F2=c:3", "F1=D2:6", "S=1513"};
        QCOMPARE(trace(r.prepare(), {"H", "D", "F", "S"}), expected);
        // A second prepare starts its sums again.
        QCOMPARE(trace(r.prepare(), {"H", "D", "F", "S"}), expected);

        // A group that starts each of its groups on a new page.
        outer.setNewPage(true);
        const Document paged = r.prepare();
        QCOMPARE(paged.pageCount(), 2);
        QCOMPARE(paged.pages[1].items.first().text, QStringLiteral("D2"));
    }

    void beforePrintHidesBandsForOnePrint()
    {
        widgets::RecordSet rows;
        fill(rows, {{"NAME"}, {"QTY", widgets::FieldKind::Number}}, {{"a", 1}, {"b", 0}, {"c", 2}, {"d", 0}});
        Report r;
        r.setRecords(&rows);
        int placed = 0, asked = 0;
        Band &d = r.detail(20);
        d.text(QStringLiteral("N"), {0, 0, 100, 20}, QStringLiteral("NAME"));
        d.beforePrint = [&](Band &band, const Row &row) {
            ++asked;
            band.setPrintBand(row.number(QStringLiteral("QTY")) != 0);
        };
        d.afterPrint = [&](Band &, const Row &) { ++placed; };
        bool summaryWanted = false;
        r.summary(20).label(QStringLiteral("S"), {0, 0, 100, 20}, QStringLiteral("end"));
        r.summary().beforePrint = [&](Band &band, const Row &) { band.setPrintBand(summaryWanted); };

        Document doc = r.prepare();
        QCOMPARE(trace(doc, {"N", "S"}), (QStringList{"N=a", "N=c"}));
        QCOMPARE(asked, 4);
        QCOMPARE(placed, 2);
        // A hidden band takes no room: c follows a directly.
        const Page &page = doc.pages[0];
        QCOMPARE(page.items[1].rect.top() - page.items[0].rect.top(), 20.0);

        // Hiding does not last beyond the print it was asked for.
        summaryWanted = true;
        QCOMPARE(trace(r.prepare(), {"N", "S"}), (QStringList{"N=a", "N=c", "S=end"}));
        // A band switched off or an element hidden prints never.
        r.summary().setEnabled(false);
        d[QStringLiteral("N")].setVisible(false);
        QCOMPARE(trace(r.prepare(), {"N", "S"}), QStringList());
    }

    void stretchingTextGrowsItsBand()
    {
        widgets::RecordSet rows;
        const QString longText = QStringLiteral("가나다라마바사 아자차카타파하 ").repeated(8);
        fill(rows, {{"REMARK"}}, {{QStringLiteral("짧음")}, {longText}, {QStringLiteral("끝")}});
        Report r;
        r.setRecords(&rows);
        Band &d = r.detail(20);
        d.text(QStringLiteral("R"), {0, 0, 150, 20}, QStringLiteral("REMARK")).wrap().stretch();
        d.shape(QStringLiteral("cell"), {160, 0, 50, 20}).stretch();
        d.line(QStringLiteral("rule"), QLineF(220, 0, 220, 20)).stretch();
        d.label(QStringLiteral("fixed"), {230, 0, 50, 20}, QStringLiteral("x"));
        const Page page = r.prepare().pages[0];
        QVector<const Item *> texts, cells, rules, fixed;
        for (const Item &i : page.items) {
            if (i.name == QLatin1String("R"))
                texts << &i;
            else if (i.name == QLatin1String("cell"))
                cells << &i;
            else if (i.name == QLatin1String("rule"))
                rules << &i;
            else if (i.name == QLatin1String("fixed"))
                fixed << &i;
        }
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[0]->rect.height(), 20.0);                 // fits: no growth
        const double grown = texts[1]->rect.height();
        QVERIFY2(grown > 60, qPrintable(QString::number(grown)));
        QCOMPARE(cells[1]->rect.height(), grown);                 // the row's cells grow evenly
        QCOMPARE(rules[1]->rect.bottom() - rules[1]->rect.top(), grown);
        QCOMPARE(fixed[1]->rect.height(), 20.0);                  // others keep their size
        QCOMPARE(texts[2]->rect.top(), texts[1]->rect.top() + grown);   // the next row moves down
    }

    void bandsThatDoNotFitMoveToTheNextPage()
    {
        Report r;
        r.setRowCount(10);
        r.pageFooter(40).system(QStringLiteral("pg"), {0, 0, 50, 20}, SystemValue::PageNumber);
        r.columnHeader(30).label(QStringLiteral("ch"), {0, 0, 50, 20}, QStringLiteral("heading"));
        int events = 0;
        Band &d = r.detail(300);
        d.system(QStringLiteral("no"), {0, 0, 50, 20}, SystemValue::LineNumber);
        d.beforePrint = [&](Band &, const Row &) { ++events; };
        // A band taller than a page still prints (cut off), on a page of its own.
        r.summary(2000).label(QStringLiteral("huge"), {0, 0, 50, 20}, QStringLiteral("summary"));
        const Document doc = r.prepare();
        QCOMPARE(events, 10);
        const double room = r.printArea().height() - 40 - 30;       // 3 rows of 300 fit on a page
        QCOMPARE(int(room / 300), 3);
        QCOMPARE(doc.pageCount(), 5);
        QCOMPARE(trace(doc, {"no", "huge", "pg"}),
                 (QStringList{"no=1", "no=2", "no=3", "pg=1", "no=4", "no=5", "no=6", "pg=2",
                              "no=7", "no=8", "no=9", "pg=3", "no=10", "pg=4", "huge=summary", "pg=5"}));
        for (const Page &page : doc.pages)
            QCOMPARE(page.text("ch"), QStringLiteral("heading"));
    }

    void subDetailRowsUnderEachMaster()
    {
        widgets::RecordSet orders, lines;
        fill(orders, {{"NO"}}, {{"A"}, {"B"}, {"C"}});
        fill(lines, {{"NO"}, {"ITEM"}}, {{"B", "b1"}, {"A", "a1"}, {"B", "b2"}, {"A", "a2"}, {"A", "a3"}});
        Report r;
        r.setRecords(&orders);
        r.detail(20).text(QStringLiteral("M"), {0, 0, 50, 20}, QStringLiteral("NO"));
        SubDetail &sub = r.subDetail(18, &lines, QStringLiteral("NO"));
        sub.band().expression(QStringLiteral("L"), {20, 0, 100, 18}, [](const Row &row) {
            return QStringLiteral("%1.%2/%3").arg(row.line()).arg(row.text(QStringLiteral("ITEM")), row.master()->text(QStringLiteral("NO")));
        });
        sub.header(18).label(QStringLiteral("LH"), {20, 0, 100, 18}, QStringLiteral("lines"));
        sub.footer(18).system(QStringLiteral("LF"), {20, 0, 100, 18}, SystemValue::LineNumber);
        // A second list given by a callback: as many stars as the master's position.
        QStringList opened;
        SubDetail &stars = r.subDetail(18, [&](const Row &master) {
            opened << master.text(QStringLiteral("NO"));
            return master.line() - 1;
        });
        stars.band().label(QStringLiteral("X"), {20, 0, 20, 18}, QStringLiteral("*"));

        QCOMPARE(trace(r.prepare(), {"M", "L", "X"}),
                 (QStringList{"M=A", "LH=lines", "L=1.a1/A", "L=2.a2/A", "L=3.a3/A", "LF=3",
                              "M=B", "LH=lines", "L=1.b1/B", "L=2.b2/B", "LF=2", "X=*",
                              "M=C", "X=*", "X=*"}));
        QCOMPARE(opened, (QStringList{"A", "B", "C"}));
    }

    void emptyReports()
    {
        widgets::RecordSet none;
        fill(none, {{"X"}}, {});
        Report r;
        r.setRecords(&none);
        r.title(20).label(QStringLiteral("T"), {0, 0, 50, 20}, QStringLiteral("title"));
        r.detail(20).text(QStringLiteral("D"), {0, 0, 50, 20}, QStringLiteral("X"));
        r.summary(20).label(QStringLiteral("S"), {0, 0, 50, 20}, QStringLiteral("sum"));
        r.pageFooter(20).system(QStringLiteral("P"), {0, 0, 50, 20}, SystemValue::PageCount);
        QCOMPARE(trace(r.prepare(), {"T", "D", "S", "P"}), (QStringList{"T=title", "S=sum", "P=1"}));
        r.setPrintIfEmpty(false);
        const Document nothing = r.prepare();
        QCOMPARE(nothing.pageCount(), 0);
        QString error;
        QVERIFY(!writePdf(nothing, QDir::temp().filePath(QStringLiteral("never.pdf")), &error));
        QVERIFY(!error.isEmpty());
    }

    void dataTextsFormatAndSources()
    {
        widgets::RecordSet header, lines;
        fill(header, {{"PURC_NO"}, {"PURC_DATE", widgets::FieldKind::Date, "yyyy-mm-dd"}},
             {{"OA20040100001", "20040105"}, {"OA20040100002", "20040106"}});
        header.moveTo(1);
        fill(lines, {{"QTY", widgets::FieldKind::Number, "#,##0.0"}, {"COST_AMT", widgets::FieldKind::Number}, {"NOTE"}},
             {{1234.5, 1000.6, QVariant()}});
        Report r;
        r.setRecords(&lines);
        Band &d = r.detail(20);
        d.text(QStringLiteral("qty"), {0, 0, 80, 20}, QStringLiteral("QTY"));                               // field's format
        d.text(QStringLiteral("cost"), {80, 0, 80, 20}, QStringLiteral("COST_AMT")).format(QStringLiteral("#,##0"));
        d.text(QStringLiteral("raw"), {160, 0, 80, 20}, QStringLiteral("COST_AMT"));
        d.text(QStringLiteral("note"), {240, 0, 80, 20}, QStringLiteral("NOTE")).frame(FrameBox);
        d.text(QStringLiteral("nofield"), {320, 0, 80, 20}, QStringLiteral("MISSING"));
        d.text(QStringLiteral("no"), {400, 0, 120, 20}, QStringLiteral("PURC_NO")).from(&header);
        d.text(QStringLiteral("date"), {520, 0, 100, 20}, QStringLiteral("PURC_DATE")).from(&header);
        d.system(QStringLiteral("day"), {620, 0, 80, 20}, SystemValue::PrintDate).format(QStringLiteral("yyyy/MM"));
        const Document doc = r.prepare();
        const Page &page = doc.pages[0];
        QCOMPARE(page.text("qty"), QStringLiteral("1,234.5"));
        QCOMPARE(page.text("cost"), QStringLiteral("1,001"));
        QCOMPARE(page.text("raw"), QStringLiteral("1000.6"));
        QVERIFY(page.find("note"));                     // an empty framed cell still draws its frame
        QVERIFY(page.text("note").isEmpty());
        QVERIFY(!page.find("nofield"));
        QCOMPARE(page.text("no"), QStringLiteral("OA20040100002"));
        QCOMPARE(page.text("date"), QStringLiteral("2004-01-06"));
        QCOMPARE(page.text("day"), doc.printed.toString(QStringLiteral("yyyy/MM")));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, r.element(QStringLiteral("nothing")));
        QCOMPARE(r.element(QStringLiteral("cost")).name(), QStringLiteral("cost"));
    }

    void koreanFontsResolveToInstalledFamilies()
    {
        QCOMPARE(QFontInfo(reportFont(QStringLiteral("굴림"), 10)).family(), QStringLiteral("NanumGothic"));
        QCOMPARE(QFontInfo(reportFont(QStringLiteral("굴림체"), 10)).family(), QStringLiteral("NanumGothicCoding"));
        QCOMPARE(QFontInfo(reportFont(QStringLiteral("바탕"), 10)).family(), QStringLiteral("NanumMyeongjo"));
        // Ten points are ten points at any device resolution.
        Report r;
        r.setRowCount(1);
        r.detail(40).label(QStringLiteral("t"), {0, 0, 400, 40}, QStringLiteral("가가가가가가가가가가")).font(reportFont(QStringLiteral("굴림"), 20));
        const Document doc = r.prepare();
        auto inkWidth = [&](double scale) {
            const QImage img = pageImage(doc, 0, scale);
            int left = img.width(), right = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qGray(img.pixel(x, y)) < 128) {
                        left = qMin(left, x);
                        right = qMax(right, x);
                    }
            return double(right - left) / scale;
        };
        const double at1 = inkWidth(1.0), at3 = inkWidth(3.0);
        QVERIFY2(at1 > 100 && qAbs(at1 - at3) < at1 * 0.05, qPrintable(QStringLiteral("%1 %2").arg(at1).arg(at3)));
    }

    void parameterTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("one blank") << "/rp [2004-01-01][A001]" << QStringList{"2004-01-01", "A001"};
        QTest::newRow("no blank") << "/rp[20040101][20040131][][S01]" << QStringList{"20040101", "20040131", "", "S01"};
        QTest::newRow("two blanks, spaced") << "/rp  [2004-01-01] [2004-01-31] [M001]" << QStringList{"2004-01-01", "2004-01-31", "M001"};
        QTest::newRow("empty values") << "/rp [][]" << QStringList{"", ""};
        QTest::newRow("blanks inside") << "/rp [서울 본사][ 310 ]" << QStringList{"서울 본사", " 310 "};
        QTest::newRow("upper case") << "/RP [x]" << QStringList{"x"};
        QTest::newRow("no prefix") << "[a][b]" << QStringList{"a", "b"};
        QTest::newRow("nothing") << "" << QStringList{};
        QTest::newRow("prefix only") << "/rp " << QStringList{};
        QTest::newRow("unclosed") << "/rp [a][b c" << QStringList{"a", "b c"};
        QTest::newRow("prefix text in a value") << "[/rp][x]" << QStringList{"/rp", "x"};
    }

    void parameterTexts()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, values);
        QCOMPARE(parseReportParameters(text), values);
    }

    void parameterTextRoundTrip()
    {
        const QStringList values{"2004-01-01", "", "서울 본사"};
        QCOMPARE(reportParameterText(values), QStringLiteral("/rp [2004-01-01][][서울 본사]"));
        QCOMPARE(parseReportParameters(reportParameterText(values)), values);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
