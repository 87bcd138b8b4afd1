#pragma once
// A tape kept as the calculator keeps it, for a history window tested alone:
// each edit changes the text first, then tells the window what it added or
// removed. The window's Clear menu clears it.
#include <QString>
#include <string>

#include "history/frmHistory.h"

namespace spanwright::test {

struct TapeOwner {
    std::string tape;
    frmHistory window{tape};

    TapeOwner() { window.SetClearRequest([this] { Clear(); }); }

    void Append(const QString& s) {
        const std::string added = s.toStdString();
        tape += added;
        window.Appended(added);
    }
    // Removes the last n characters (code points); an n beyond them changes nothing.
    void RemoveLast(qsizetype n) {
        std::size_t start = tape.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (start == 0) return;
            do --start;
            while (start > 0 && (static_cast<unsigned char>(tape[start]) & 0xC0) == 0x80);
        }
        const std::string removed = tape.substr(start);
        tape.resize(start);
        window.Removed(removed);
    }
    void Clear() {
        tape.clear();
        window.Cleared();
    }
};

}  // namespace spanwright::test
