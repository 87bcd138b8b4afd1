#pragma once
// Printing the tape: the export's text (the tape, its lines as they are, not
// shortened) in the given font, laid out on the printer's pages with a
// heading at the top of each: the program's name on the left, the date on
// the right. A line too long for the page wraps; lines are never split
// between pages.
//   PrintTape(pdf printer, "5\r\n+ 3\r\n= 0'8\"", font, "8 December 2026")
//     -> one page: "Spanwright   8 December 2026", then 5 / + 3 / = 0'8"
//   a printer that cannot begin (no such file, a failing device) -> false,
//   nothing printed
#include <QString>
#include <string_view>

class QFont;
class QPrinter;

namespace spanwright::history {

bool PrintTape(QPrinter& printer, std::string_view tape, const QFont& font, const QString& date);

}  // namespace spanwright::history
