#pragma once
// Test rows kept in a text file beside the test: one row a line, cells split
// by "|" and trimmed, '#' lines and blank lines skipped. A cell in double
// quotes keeps its blanks; \r, \n, \t and \xNN are written as escapes.
#include <QFile>
#include <QTest>

namespace spanwright::test {

inline QList<QStringList> ReadRows(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        QStringList& cells = rows.emplace_back();
        for (QString cell : line.split(u'|')) {
            cell = cell.trimmed();
            if (cell.size() > 1 && cell.startsWith(u'"') && cell.endsWith(u'"')) cell = cell.mid(1, cell.size() - 2);
            for (qsizetype at; (at = cell.indexOf("\\x")) >= 0;) cell.replace(at, 4, QChar(cell.mid(at + 2, 2).toInt(nullptr, 16)));
            cells << cell.replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
        }
    }
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

}  // namespace spanwright::test
