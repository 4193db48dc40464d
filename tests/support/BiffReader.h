#pragma once
// Reads a written worksheet file back record by record, independently of the
// writer: the record list in file order and the cells by row and column.

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVector>
#include <QtEndian>

#include <cstring>
#include <iconv.h>

namespace biff {

struct Record {
    quint16 type = 0;
    QByteArray data;
};

struct Cell {
    quint16 type = 0;       // 0x0204 text, 0x0203 number
    quint16 format = 0xFFFF;
    QByteArray bytes;       // text cells: the bytes as stored
    QString text;           // text cells: decoded from CP949
    double number = 0;      // number cells
    bool isText() const { return type == 0x0204; }
    bool isNumber() const { return type == 0x0203; }
};

inline QString fromCp949(const QByteArray &bytes)
{
    iconv_t cd = iconv_open("UTF-8", "CP949");
    QByteArray out(bytes.size() * 3 + 4, '\0');
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *o = out.data();
    size_t outLeft = size_t(out.size());
    const size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (r == size_t(-1))
        return QStringLiteral("<not CP949>");
    out.truncate(o - out.data());
    return QString::fromUtf8(out);
}

struct Sheet {
    QVector<Record> records;
    QMap<QPair<int, int>, Cell> cells;   // (row, column)
    QString error;                       // empty when the stream read cleanly

    QVector<quint16> types() const
    {
        QVector<quint16> t;
        for (const Record &r : records)
            t.append(r.type);
        return t;
    }
    bool has(int row, int col) const { return cells.contains({row, col}); }
    Cell cell(int row, int col) const { return cells.value({row, col}); }
    QString text(int row, int col) const { return cell(row, col).text; }
    // The texts of a row from column 0 on, as far as cells follow each other.
    QStringList rowTexts(int row) const
    {
        QStringList list;
        for (int c = 0; has(row, c); ++c) {
            const Cell x = cell(row, c);
            list.append(x.isText() ? x.text : QString::number(x.number, 'g', 17));
        }
        return list;
    }
    int maxRow() const
    {
        int m = -1;
        for (auto it = cells.keyBegin(); it != cells.keyEnd(); ++it)
            m = qMax(m, it->first);
        return m;
    }
};

inline Sheet parse(const QByteArray &file)
{
    Sheet sheet;
    const char *p = file.constData();
    qsizetype at = 0;
    while (at < file.size()) {
        if (file.size() - at < 4) {
            sheet.error = QStringLiteral("truncated record header at %1").arg(at);
            return sheet;
        }
        Record rec;
        rec.type = qFromLittleEndian<quint16>(p + at);
        const quint16 length = qFromLittleEndian<quint16>(p + at + 2);
        if (file.size() - at - 4 < length) {
            sheet.error = QStringLiteral("record 0x%1 runs past the end").arg(rec.type, 4, 16, QChar(u'0'));
            return sheet;
        }
        rec.data = file.mid(at + 4, length);
        at += 4 + length;
        const char *d = rec.data.constData();
        if (rec.type == 0x0204 || rec.type == 0x0203) {
            Cell cell;
            cell.type = rec.type;
            const int row = qFromLittleEndian<quint16>(d);
            const int col = qFromLittleEndian<quint16>(d + 2);
            cell.format = qFromLittleEndian<quint16>(d + 4);
            if (rec.type == 0x0204) {
                const quint16 n = qFromLittleEndian<quint16>(d + 6);
                if (length != 8 + n)
                    sheet.error = QStringLiteral("text cell length %1 with %2 bytes of text").arg(length).arg(n);
                cell.bytes = rec.data.mid(8, n);
                cell.text = fromCp949(cell.bytes);
            } else {
                if (length != 14)
                    sheet.error = QStringLiteral("number cell of length %1").arg(length);
                cell.number = qFromLittleEndian<double>(d + 6);
            }
            if (sheet.cells.contains({row, col}))
                sheet.error = QStringLiteral("cell %1,%2 written twice").arg(row).arg(col);
            sheet.cells.insert({row, col}, cell);
        }
        sheet.records.append(rec);
    }
    return sheet;
}

inline Sheet read(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        Sheet s;
        s.error = QStringLiteral("cannot open ") + path;
        return s;
    }
    return parse(f.readAll());
}

} // namespace biff
