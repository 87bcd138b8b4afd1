#pragma once
// Test rows kept in a text file beside the test: one row a line, cells split
// by "|" and trimmed, '#' lines and blank lines skipped. A cell in double
// quotes keeps its blanks; \s, \r, \n, \t and \xNN are written as escapes
// (\s a blank, for a blank at either end of a cell).
#include <QFile>
#include <QTest>

namespace spanwright::test {

// The file's lines that are rows: not blank, not a '#' comment.
inline QStringList RowLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith(u'#')) lines << line;
    return lines;
}

// One line's cells; with `most` cells at most, the last takes the rest of
// the line, "|" included.
inline QStringList Cells(const QString& line, qsizetype most = -1) {
    QStringList pieces = line.split(u'|');
    if (most > 0 && pieces.size() > most) pieces = pieces.mid(0, most - 1) << pieces.mid(most - 1).join(u'|');
    QStringList cells;
    for (QString cell : pieces) {
        cell = cell.trimmed();
        if (cell.size() > 1 && cell.startsWith(u'"') && cell.endsWith(u'"')) cell = cell.mid(1, cell.size() - 2);
        for (qsizetype at; (at = cell.indexOf("\\x")) >= 0;) cell.replace(at, 4, QChar(cell.mid(at + 2, 2).toInt(nullptr, 16)));
        cells << cell.replace("\\s", " ").replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
    }
    return cells;
}

inline QList<QStringList> ReadRows(const QString& path) {
    QList<QStringList> rows;
    for (const QString& line : RowLines(path)) rows << Cells(line);
    return rows;
}

// Adds QString columns and one QTest row per line; the first cell is the row's name.
inline void AddRows(const QString& path, std::initializer_list<const char*> columns) {
    for (const char* column : columns) QTest::addColumn<QString>(column);
    for (QStringList cells : ReadRows(path)) {
        QTestData& row = QTest::newRow(qPrintable(cells.takeFirst()));
        for (qsizetype i = 0; i < qsizetype(columns.size()); ++i) row << cells.value(i);
    }
}

// A file whose first row names its columns ("name | keys | display | ..."):
// one QTest row per line in a QStringList column "row", the last column
// taking the rest of the line, "|" included; the second column (the keys)
// is left as written. Returns the column names.
inline QStringList AddNamedRows(const QString& path) {
    const QStringList lines = RowLines(path);
    if (lines.size() < 2) qFatal("%s: no rows", qPrintable(path));
    const QStringList header = Cells(lines.front());
    QTest::addColumn<QStringList>("row");
    for (const QString& line : lines.mid(1)) {
        QStringList cells = Cells(line, header.size());
        if (cells.size() < header.size()) qFatal("%s: a short row: %s", qPrintable(path), qPrintable(line));
        cells[1] = line.section(u'|', 1, 1).trimmed();  // the keys: their tokens decode their own texts
        QTest::newRow(qPrintable(cells[0])) << cells;
    }
    return header;
}

}  // namespace spanwright::test
