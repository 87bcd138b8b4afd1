#include "history/history_export.h"

#include <QSaveFile>
#include <algorithm>

namespace spanwright::history {
namespace {
// Characters converted and written at a time, so that a long history is never
// held twice in memory.
constexpr qsizetype kChunk = 64 * 1024;

bool WriteAll(QSaveFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size();
}
}  // namespace

QString ExportPath(const QString& chosen) {
    if (chosen.contains(QLatin1String(".txt"), Qt::CaseInsensitive)) return chosen;
    return chosen + QLatin1String(".txt");
}

ExportResult WriteHistoryFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};

    for (qsizetype at = 0; at < text.size();) {
        qsizetype n = std::min(kChunk, text.size() - at);
        // Never split a surrogate pair between two chunks.
        if (at + n < text.size() && text[at + n - 1].isHighSurrogate()) --n;
        if (!WriteAll(file, QStringView(text).mid(at, n).toUtf8())) return {false, file.errorString()};
        at += n;
    }
    if (!WriteAll(file, QByteArrayLiteral("\r\n"))) return {false, file.errorString()};
    if (!file.commit()) return {false, file.errorString()};
    return {true, {}};
}

}  // namespace spanwright::history
