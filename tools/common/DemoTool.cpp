#include "DemoTool.h"

#include "reports/Render.h"
#include "shell/Password.h"

#include <QDir>
#include <cstdio>

DemoSession::DemoSession(const QString &alias, const QString &empNo, const QString &empName)
{
    WriteStoredPassword(m_appDir.path(), qEnvironmentVariable("PGPASSWORD", QStringLiteral("vmuser")));
    m_data = std::make_unique<TfrmZZD000>(
        QStringList{alias, qEnvironmentVariable("PGUSER", QStringLiteral("VMUSER")), empNo, empName}, m_appDir.path());
}

bool HasDemoAndOutputArguments(const QStringList &args, const char *tool)
{
    if (args.size() == 3)
        return true;
    std::fprintf(stderr, "usage: %s DEMO_ALIAS OUTPUT_DIR\n", tool);
    return false;
}

bool WriteDocumentPictures(const reports::Document &doc, const QString &outputDir, const QString &name)
{
    const QDir out(outputDir);
    QString error;
    if (!reports::writePdf(doc, out.filePath(name + QStringLiteral(".pdf")), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    const QString png = out.filePath(name + QStringLiteral(".png"));
    if (!reports::pageImage(doc, 0, 1.25).save(png)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
        return false;
    }
    std::printf("%s\n", qPrintable(png));
    return true;
}
