#pragma once
// The splash window, shaped by the mask picture of the resource file
// "MainImg.rcc" beside the executable. Without the file the window has an
// empty shape and stays invisible; start-up goes on.

#include <QImage>
#include <QRegion>
#include <QWidget>

class QLabel;

class TfrmZZC010 : public QWidget {
    Q_OBJECT
public:
    explicit TfrmZZC010(const QString &resourceFile);

    // The window shape: every maximal run of 0 bits (black pixels) of each
    // row of a 1-bit mask, the mask widened to a multiple of 16 pixels.
    static QRegion regionFromMask(const QImage &mask);

private:
    QLabel *imgImage;
    QLabel *lblProjectNameShadow;
    QLabel *lblProjectName;
    QLabel *lblVersion;
};
