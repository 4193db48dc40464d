#pragma once
// Reading back written PDF files with the poppler tools, when installed.

#include <QProcess>
#include <QStandardPaths>
#include <QString>

inline bool havePdfTools() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// Output of a poppler tool (pdftotext, pdffonts, pdfinfo) for `file`.
inline QString pdfTool(const QString &tool, const QString &file, QStringList arguments = {})
{
    QProcess p;
    arguments << file;
    if (tool == QLatin1String("pdftotext"))
        arguments << QStringLiteral("-");
    p.start(tool, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
