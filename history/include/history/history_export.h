#pragma once
// Writing the history to a text file.
//   ExportPath("/home/ann/History")       -> "/home/ann/History.txt"
//   ExportPath("/home/ann/x.TXT")         -> unchanged
//   ExportPath("/home/ann/a.txt.bak")     -> unchanged (".txt" anywhere counts)
//   WriteHistoryFile(p, "5\r\n+ 3")        -> p holds the bytes "5\r\n+ 3\r\n"
//   WriteHistoryFile(p, "")                -> p holds "\r\n"
//   WriteHistoryFile(p, "5\u00bd")          -> "5" C2 BD CR LF (the tape's UTF-8 as it is)
//   WriteHistoryFile("/no/such/dir/h.txt", ...) -> {false, reason}; nothing written
//
// The export after the save dialog (ExportChosen):
//   "notes", notes.txt exists   -> asks "notes.txt already exists. Do you want
//                                  to replace it?"; No writes nothing
//   "notes.txt", it exists      -> replaced (the dialog asked)
//   "/tmp/History.txt", a link of the user bob in /tmp (others may write)
//                               -> a message naming the link and bob; nothing written
//   a link of bob in a folder only the exporter may write, or the exporter's
//   own link anywhere           -> followed: its target is replaced
#include <QString>
#include <optional>
#include <string_view>

class QWidget;

namespace spanwright::history {

// Appends ".txt" unless the path holds ".txt" somewhere, in any letter case.
QString ExportPath(const QString& chosen);

struct ExportResult {
    bool ok = false;
    QString reason;  // why the file could not be written, when !ok
};

// Writes text (UTF-8) and a closing CR LF to a temporary file beside path,
// which replaces path only once everything is written; on any failure an
// existing file at path keeps its content. A link at path is followed.
ExportResult WriteHistoryFile(const QString& path, std::string_view text);

// A symbolic link that another user controls: owned by someone other than
// the exporter and in a folder that others may write (any group or other
// write bit, or a folder owned by neither the exporter nor root), so its
// owner can point it anywhere between the choice and the write.
struct ForeignLink {
    QString link;   // the link's path
    QString owner;  // "bob (uid 1001)", or "uid 1001" with no name known
};

// The first such link on the way from path to the file it leads to
// (a chain of links is checked link by link); none for a plain file or a
// missing one.
std::optional<ForeignLink> ForeignLinkAt(const QString& path);

// Writes text to the file the dialog chose: refuses a foreign link, asks
// before replacing a file the dialog did not see (".txt" added), and shows
// a message when the write fails.
void ExportChosen(QWidget* parent, const QString& chosen, std::string_view text);

}  // namespace spanwright::history
