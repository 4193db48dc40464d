#pragma once
// What every benchmark reports besides its times.

#include <QFile>

// Peak resident memory of this process so far (VmHWM), in kilobytes; -1 when unknown.
inline long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}
