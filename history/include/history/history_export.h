#pragma once
// Writing the history to a text file.
//   ExportPath("/home/ann/History")       -> "/home/ann/History.txt"
//   ExportPath("/home/ann/x.TXT")         -> unchanged
//   ExportPath("/home/ann/a.txt.bak")     -> unchanged (".txt" anywhere counts)
//   WriteHistoryFile(p, "5\r\n+ 3")        -> p holds the bytes "5\r\n+ 3\r\n"
//   WriteHistoryFile(p, "")                -> p holds "\r\n"
//   WriteHistoryFile(p, "5\u00bd")          -> "5" C2 BD CR LF (UTF-8)
//   WriteHistoryFile("/no/such/dir/h.txt", ...) -> {false, reason}; nothing written
#include <QString>

namespace spanwright::history {

// Appends ".txt" unless the path holds ".txt" somewhere, in any letter case.
QString ExportPath(const QString& chosen);

struct ExportResult {
    bool ok = false;
    QString reason;  // why the file could not be written, when !ok
};

// Writes text and a closing CR LF as UTF-8 to a temporary file beside path,
// which replaces path only once everything is written; on any failure an
// existing file at path keeps its content.
ExportResult WriteHistoryFile(const QString& path, const QString& text);

}  // namespace spanwright::history
