#include "shell/ZZC010.h"
#include "session/Session.h"

#include <QFileInfo>
#include <QLabel>
#include <QResource>
#include <QScreen>

namespace {
const QString kSplashRoot = QStringLiteral("/MainImg");
}

QRegion TfrmZZC010::regionFromMask(const QImage &source)
{
    const QImage mask = source.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    // Index 0 of the colour table is the 0 bit; make sure it is black.
    const bool zeroIsBlack = mask.colorCount() < 2 || qGray(mask.color(0)) < qGray(mask.color(1));
    const int width = mask.width();
    const int widened = (width + 15) / 16 * 16;
    QRegion region;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar *line = mask.constScanLine(y);
        int runStart = -1;
        for (int x = 0; x < widened; ++x) {
            // Columns added by widening count as 0 bits, as in a fresh bitmap.
            bool bit = false;
            if (x < width) {
                bit = (line[x >> 3] >> (7 - (x & 7))) & 1;
                if (!zeroIsBlack)
                    bit = !bit;
            }
            if (!bit && runStart < 0)
                runStart = x;
            if (bit && runStart >= 0) {
                region += QRect(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
        if (runStart >= 0)
            region += QRect(runStart, y, widened - runStart, 1);
    }
    return region;
}

TfrmZZC010::TfrmZZC010(const QString &resourceFile)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen)
{
    setObjectName(QStringLiteral("frmZZC010"));
    setFixedSize(537, 284);
    imgImage = new QLabel(this);
    imgImage->setObjectName(QStringLiteral("imgImage"));
    imgImage->setGeometry(rect());
    imgImage->setScaledContents(true);

    QRegion shape;
    if (QFileInfo::exists(resourceFile) && QResource::registerResource(resourceFile, kSplashRoot)) {
        imgImage->setPixmap(QPixmap(QStringLiteral(":/MainImg/SPLASH.png")));
        shape = regionFromMask(QImage(QStringLiteral(":/MainImg/SMASK.png")));
        QResource::unregisterResource(resourceFile, kSplashRoot);
    }
    // Qt reads an empty mask as "no mask"; an empty shape means an invisible splash.
    if (shape.isEmpty())
        setWindowOpacity(0.0);
    else
        setMask(shape);

    QFont title(QStringLiteral("NanumMyeongjo"));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(24);
    lblProjectNameShadow = new QLabel(kAppTitle, this);
    lblProjectNameShadow->setObjectName(QStringLiteral("lblProjectNameShadow"));
    lblProjectNameShadow->setFont(title);
    lblProjectNameShadow->setStyleSheet(QStringLiteral("color: #808000; background: transparent;"));
    lblProjectNameShadow->move(41, 41);
    lblProjectName = new QLabel(kAppTitle, this);
    lblProjectName->setObjectName(QStringLiteral("lblProjectName"));
    lblProjectName->setFont(title);
    lblProjectName->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
    lblProjectName->move(40, 40);
    lblVersion = new QLabel(GetVersionText(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setStyleSheet(QStringLiteral("color: white; font-weight: bold; background: transparent;"));
    lblVersion->move(40, 80);
    auto *footer = new QLabel(QStringLiteral("Copyright (c) 온비리조트 VEMO RESORT. All rights reserved."), this);
    footer->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    footer->move(40, 250);

    if (const QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());
}

#include "moc_ZZC010.cpp"
