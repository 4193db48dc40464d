#include "shell/ZZC010.h"

#include <QtTest>

namespace {
// A mask from rows of '#' (0 bit, visible) and '.' (1 bit).
QImage maskOf(const QStringList &rows)
{
    QImage img(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, rows[y][x] == QLatin1Char('#') ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return img;
}
} // namespace

class TestSplash : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void regionFromMask()
    {
        // Width 16: no widening; runs end at the 1 bit that ends them.
        const QRegion r = TfrmZZC010::regionFromMask(maskOf({
            QStringLiteral("..####....##...."),
            QStringLiteral("................"),
            QStringLiteral("##............##"),
        }));
        QCOMPARE(r, QRegion(2, 0, 4, 1) + QRegion(10, 0, 2, 1) + QRegion(0, 2, 2, 1) + QRegion(14, 2, 2, 1));
    }
    void openRunAtRowEndReachesTheWidenedEdge()
    {
        // Width 5 widens to 16: a run still open at the end runs to column 16.
        const QRegion r = TfrmZZC010::regionFromMask(maskOf({QStringLiteral("..###")}));
        QCOMPARE(r, QRegion(2, 0, 14, 1));
    }
    void missingResourceFileMakesAnInvisibleSplash()
    {
        TfrmZZC010 splash(QStringLiteral("/nonexistent/MainImg.rcc"));
        QCOMPARE(splash.windowOpacity(), 0.0);
        QCOMPARE(splash.size(), QSize(537, 284));
    }
    void shippedResourceShapesTheWindow()
    {
        TfrmZZC010 splash(QStringLiteral(PURCHASING_SPLASH_RCC));
        QVERIFY(!splash.mask().isEmpty());
        QVERIFY(splash.mask().boundingRect().width() > 500);
        QVERIFY(!splash.mask().contains(QPoint(0, 0)));   // rounded corner
        QVERIFY(splash.mask().contains(QPoint(268, 142)));
        QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("lblProjectName"))->text(), QStringLiteral(" 구매 자재 관리"));
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
