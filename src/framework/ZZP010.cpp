#include "framework/ZZP010.h"

#include "reports/Preview.h"
#include "session/Session.h"
#include "session/Database.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

using reports::reportFont;
using reports::reportPixelFont;

TfrmZZP010::TfrmZZP010(const QString &programId, QPageLayout::Orientation orientation)
    : m_programId(programId)
{
    report.setPage(orientation, QMarginsF(15, 15, 10, 10));
    report.setFont(reportPixelFont(QStringLiteral("굴림"), 13));
    report.setPrintIfEmpty(true);
    report.setRecords(&cdsQuery);
    const double w = bandWidth();

    // Title band: the beige title box over its grey shadow, the conditions below.
    qrbHeader = &report.title(70);
    const double boxWidth = orientation == QPageLayout::Portrait ? 300 : 400;
    const QRectF box((w - boxWidth) / 2, 4, boxWidth, 36);
    qrsTitleShadow = &qrbHeader->shape(QStringLiteral("qrsTitleShadow"), box.translated(4, 4))
                          .fill(QColor(128, 128, 128)).pen(Qt::NoPen);
    qrsTitle = &qrbHeader->shape(QStringLiteral("qrsTitle"), box).fill(QColor(240, 202, 166));
    qrlTitle = &qrbHeader->label(QStringLiteral("qrlTitle"), box, QStringLiteral("제목"))
                    .font(reportFont(QStringLiteral("굴림"), 14, true)).align(Qt::AlignCenter);
    qrlCondition = &qrbHeader->label(QStringLiteral("qrlCondition"), QRectF(0, 48, w, 18), QString())
                        .font(reportFont(QStringLiteral("굴림"), 10)).wrap().stretch();

    // Page footer: date and program id on the left, page number in the middle,
    // logo and company name on the right.
    qrbFooter = &report.pageFooter(50);
    const QFont footerFont = reportPixelFont(QStringLiteral("굴림체"), 12);
    auto footerText = [&](reports::Element &e) -> reports::Element & { return e.font(footerFont); };
    qrlDateLabel = &footerText(qrbFooter->label(QStringLiteral("qrlDateLabel"), QRectF(0, 6, 46, 16), QStringLiteral("Date :")));
    qrlDate = &footerText(qrbFooter->system(QStringLiteral("qrlDate"), QRectF(46, 6, 170, 16), reports::SystemValue::PrintDateTime));
    qrlProgramID = &footerText(qrbFooter->label(QStringLiteral("qrlProgramID"), QRectF(0, 24, 170, 16), programId));
    const double mid = w / 2;
    qrlPageCurrent = &footerText(qrbFooter->system(QStringLiteral("qrlPageCurrent"), QRectF(mid - 60, 14, 50, 16), reports::SystemValue::PageNumber))
                          .align(Qt::AlignRight);
    qrlPageSlash = &footerText(qrbFooter->label(QStringLiteral("qrlPageSlash"), QRectF(mid - 10, 14, 20, 16), QStringLiteral("/")))
                        .align(Qt::AlignHCenter);
    qrlPageTotal = &footerText(qrbFooter->system(QStringLiteral("qrlPageTotal"), QRectF(mid + 10, 14, 50, 16), reports::SystemValue::PageCount))
                        .align(Qt::AlignLeft);
    qriLogo = &qrbFooter->picture(QStringLiteral("qriLogo"), QRectF(w - 152, 5, 40, 40), logo());
    qrlCompany = &qrbFooter->label(QStringLiteral("qrlCompany"), QRectF(w - 106, 7, 106, 18), QStringLiteral("온비리조트"))
                      .font(reportFont(QStringLiteral("돋움"), 10, true));
    qrlCompanyEng = &qrbFooter->label(QStringLiteral("qrlCompanyEng"), QRectF(w - 106, 26, 106, 14), QStringLiteral("VEMO RESORT"))
                         .font(reportFont(QStringLiteral("Arial"), 7));
}

TfrmZZP010::~TfrmZZP010() = default;

int TfrmZZP010::openQuery(const Params &params) { return openQuery(dbsDB(), params); }

int TfrmZZP010::openQuery(db::Connection &conn, const Params &params)
{
    return OpenRecords(cdsQuery, conn, qryQuery, params);
}

void TfrmZZP010::setTitle(const QString &title)
{
    qrlTitle->setText(title);
    report.setDocumentTitle(title);
}

void TfrmZZP010::setCondition(const QString &condition) { qrlCondition->setText(condition); }

reports::Document TfrmZZP010::prepare()
{
    if (report.documentTitle().isEmpty())
        report.setDocumentTitle(qrlTitle->text());
    return report.prepare();
}

reports::PreviewWindow *TfrmZZP010::preview(QWidget *parent)
{
    auto *window = reports::showPreview(prepare(), parent);
    window->pane()->setFileBaseName(m_programId);
    return window;
}

bool TfrmZZP010::print(QWidget *parent) { return reports::printWithDialog(prepare(), parent); }

bool TfrmZZP010::printOrPreview(bool toPreview, QWidget *parent)
{
    if (toPreview)
        return preview(parent) != nullptr;
    return print(parent);
}

QImage TfrmZZP010::logo()
{
    static const QImage image = [] {
        const QString site = gAppDir + QStringLiteral("logo.png");
        QImage file;
        if (!gAppDir.isEmpty() && QFileInfo::exists(site) && file.load(site))
            return file;
        // The emblem: a green disc with a white valley over blue water.
        QImage emblem(96, 96, QImage::Format_ARGB32_Premultiplied);
        emblem.fill(Qt::transparent);
        QPainter p(&emblem);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(34, 120, 74));
        p.drawEllipse(QRectF(2, 2, 92, 92));
        QPainterPath valley;
        valley.moveTo(20, 30);
        valley.lineTo(48, 70);
        valley.lineTo(76, 30);
        p.setPen(QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(valley);
        p.setPen(QPen(QColor(120, 190, 235), 5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath wave;
        wave.moveTo(22, 80);
        wave.cubicTo(36, 72, 60, 88, 74, 80);
        p.drawPath(wave);
        return emblem;
    }();
    return image;
}
