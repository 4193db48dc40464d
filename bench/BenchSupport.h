#pragma once
// What every benchmark reports besides its times.

#include <QDate>
#include <QFile>
#include <QVariant>
#include <QVector>

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

// Row `i` of the sample list the list benchmarks load: a tick, date, request
// number, item code and name, quantity, price, amount, supplier, remark.
inline QVector<QVariant> sampleRow(int i)
{
    static const QDate start(2004, 1, 1);
    const double qty = 1 + i % 50;
    const double price = 1000.0 + (i * 37) % 9000 + 0.25;
    return {QStringLiteral("0"),
            start.addDays(i % 365).toString(Qt::ISODate),
            QStringLiteral("PU2004%1").arg(i, 7, 10, QChar(u'0')),
            QStringLiteral("%1").arg(10000000 + i % 5000),
            QStringLiteral("품목 이름 %1").arg(i % 5000),
            qty,
            price,
            qty * price,
            QStringLiteral("거래처 %1").arg(i % 300),
            i % 3 ? QString() : QStringLiteral("비고 %1").arg(i)};
}
