// The history window's costs, printed one line per measure:
// - one recorded key with 10 and with 100,000 lines (it must not grow with
//   the history), and the export of 100,000 lines (aim: 100 ms or less);
// - a pasted one-line operand of 1 MB and of 10 MB, as a user meets it:
//   Ctrl+V, "+" (its message box answered), the History button, a resize
//   of the history window, more keys with both windows shown, and Export.
//   Each is timed until the windows are repainted (the box shown, the file
//   written); aim: 100 ms each at 1 MB, 1 s at 10 MB.
//   QT_QPA_PLATFORM=offscreen spanwright_bench_history [--shown] [--long BYTES...]
//     --shown      the history window is shown for the first part
//     --long N...  only the second part, with these operand sizes in bytes
//                  (default: both parts, at 1000000 and 10000000)
// Settings go to a temporary folder; the exports to temporary files.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "history/frmHistory.h"
#include "main_window/frmMain.h"
#include "support/quiet_settings.h"

namespace {
using spanwright::frmHistory;
using spanwright::frmMain;

// The strings a calculation 12'3-1/2" + ... records: an operand line and an
// operator line per key pair.
const std::string kOperand = "12'3-1/2\"";
const std::string kOperator = "\r\n+ ";

// The tape as the calculator keeps it, and the window that shows it.
struct Tape {
    std::string text;
    frmHistory window{text};
    void Append(const std::string& s) {
        text += s;
        window.Appended(s);
    }
    void SwapOperator(const std::string& op) {
        const std::string removed = text.substr(text.size() - 2);
        text.resize(text.size() - 2);
        window.Removed(removed);
        Append(op);
    }
};

void Fill(Tape& h, int lines) {
    for (int i = 0; i < lines / 2; ++i) {
        h.Append(kOperand);
        h.Append(kOperator);
    }
}

// Median microseconds of the parts of one recorded key, as the keyboard map
// does them: operand and operator appended, the operator swapped, the scroll
// to the last line, and the repaint that follows.
struct KeyCost {
    double append, swap, show, paint;
};

double Median(std::vector<double>& v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

KeyCost MeasureKey(Tape& tape, int rounds) {
    frmHistory& h = tape.window;
    std::vector<double> append, swap, show, paint;
    QElapsedTimer t;
    auto lap = [&t](std::vector<double>& into) {
        into.push_back(t.nsecsElapsed() / 1000.0);
        t.start();
    };
    for (int i = 0; i < rounds; ++i) {
        t.start();
        tape.Append(kOperand);
        tape.Append(kOperator);
        lap(append);
        tape.SwapOperator("- ");
        lap(swap);
        h.ShowLastLine();
        lap(show);
        QCoreApplication::processEvents();
        lap(paint);
    }
    return {Median(append), Median(swap), Median(show), Median(paint)};
}

void ManyLines(bool shown, const QTemporaryDir& dir) {
    std::printf("history window %s\n", shown ? "shown" : "hidden");
    for (int lines : {10, 100000}) {
        Tape tape;
        frmHistory& h = tape.window;
        if (shown) h.show();
        QElapsedTimer fill;
        fill.start();
        Fill(tape, lines);
        const double fillMs = fill.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();
        const KeyCost key = MeasureKey(tape, 200);
        std::printf("%7d lines: fill %.0f ms; one key (median of 200): append %.1f us, swap %.1f us, "
                    "last line %.1f us, events %.1f us\n",
                    lines, fillMs, key.append, key.swap, key.show, key.paint);
        if (lines == 100000) {
            h.SetSaveDialog([&](QWidget*, const frmHistory::SaveRequest&) { return dir.filePath("History.txt"); });
            QElapsedTimer t;
            t.start();
            h.mnuExport_Click();
            const double ms = t.nsecsElapsed() / 1e6;
            std::printf("%7d lines: export %.1f ms (%lld bytes) %s\n", lines, ms,
                        static_cast<long long>(QFileInfo(dir.filePath("History.txt")).size()),
                        ms <= 100.0 ? "within 100 ms" : "OVER 100 ms");
        }
        std::fflush(stdout);
    }
}

// Counts the paints of the widgets it watches, to show that a step's time
// includes the repaint it caused.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// Everything the act left queued (paints, layout) is handled.
void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Prints how long act took until the windows settled, against the aim, and
// which of the display and the history box were painted meanwhile.
template <class Act>
double Timed(const char* what, double aimMs, PaintCounter& display, PaintCounter& box, Act act) {
    const int displayBefore = display.count;
    const int boxBefore = box.count;
    QElapsedTimer t;
    t.start();
    act();
    Settle();
    const double ms = t.nsecsElapsed() / 1e6;
    std::printf("  %-40s %9.1f ms %-4s %s%s\n", what, ms, ms <= aimMs ? "" : "OVER",
                display.count > displayBefore ? " display painted" : "",
                box.count > boxBefore ? " box painted" : "");
    std::fflush(stdout);
    return ms;
}

void Key(frmMain& w, Qt::Key key, const char* text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString::fromLatin1(text));
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString::fromLatin1(text));
    QApplication::sendEvent(&w, &press);
    QApplication::sendEvent(&w, &release);
}

void Paste(frmMain& w) { Key(w, Qt::Key_V, "\x16", Qt::ControlModifier); }

// One line of `bytes` digits on the clipboard, through the user's path.
void LongOperand(qsizetype bytes, const QTemporaryDir& dir) {
    const double aim = bytes <= 1000000 ? 100.0 : 1000.0;
    std::printf("one-line operand of %lld bytes (aim: %.0f ms each)\n", static_cast<long long>(bytes), aim);
    std::fflush(stdout);
    QString digits(bytes, u'1');
    for (qsizetype i = 0; i < bytes; i += 7) digits[i] = QChar(char16_t(u'0' + i % 10));
    digits[0] = u'9';
    QGuiApplication::clipboard()->setText(digits);

    frmMain w;
    w.Form_Load();
    Settle();
    frmHistory& h = *w.HistoryWindow();
    h.SetSaveDialog([&dir](QWidget*, const frmHistory::SaveRequest&) { return dir.filePath("Long.txt"); });
    PaintCounter display;
    PaintCounter box;
    w.ForTest().controls.lblDisplay->installEventFilter(&display);
    h.Text1->viewport()->installEventFilter(&box);
    double worst = 0;
    auto step = [&](const char* what, auto act) { worst = std::max(worst, Timed(what, aim, display, box, act)); };

    step("Ctrl+V (history hidden)", [&] { Paste(w); });
    step("+ and its message answered", [&] { Key(w, Qt::Key_Plus, "+", Qt::ShiftModifier); });
    step("History button: the box shown", [&] { w.cmdHistory_Click(); });
    step("resize of the history window", [&] { h.resize(h.width() + 40, h.height() + 60); });
    step("resize back", [&] { h.resize(h.width() - 40, h.height() - 60); });
    step("- (the operator swapped)", [&] { Key(w, Qt::Key_Minus, "-"); });
    step("Ctrl+V (history shown)", [&] { Paste(w); });
    step("' (feet mark on the operand)", [&] { Key(w, Qt::Key_Apostrophe, "'"); });
    step("Backspace", [&] { Key(w, Qt::Key_Backspace, ""); });
    step("N (sign)", [&] { Key(w, Qt::Key_N, "n"); });
    step("Enter and its message answered", [&] { Key(w, Qt::Key_Return, ""); });
    step("Ctrl+V", [&] { Paste(w); });
    step("* and its message answered", [&] { Key(w, Qt::Key_Asterisk, "*", Qt::ShiftModifier); });
    step("5", [&] { Key(w, Qt::Key_5, "5"); });
    step("Enter", [&] { Key(w, Qt::Key_Return, ""); });
    step("F (fraction)", [&] { Key(w, Qt::Key_F, "f"); });
    step("Export to File: the file written", [&] { h.mnuExport_Click(); });
    const qint64 written = QFileInfo(dir.filePath("Long.txt")).size();
    std::printf("  export: %lld bytes for a history of %lld bytes as UTF-8 (+ CR LF) %s\n",
                static_cast<long long>(written), static_cast<long long>(h.Tape().size()),
                written == static_cast<qint64>(h.Tape().size()) + 2 ? "whole" : "NOT WHOLE");
    std::printf("  slowest step %.1f ms: %s\n", worst, worst <= aim ? "within the aim" : "OVER the aim");
    std::fflush(stdout);
    w.close();
}
}  // namespace

int main(int argc, char** argv) {
    const QuietSettings quiet;
    QApplication app(argc, argv);
    QuietSettings::SilenceMessages();

    const QStringList args = app.arguments();
    std::vector<qsizetype> sizes{1000000, 10000000};
    if (const qsizetype at = args.indexOf(QStringLiteral("--long")); at >= 0) {
        sizes.clear();
        for (qsizetype i = at + 1; i < args.size() && !args[i].startsWith(u'-'); ++i)
            sizes.push_back(args[i].toLongLong());
    } else {
        ManyLines(args.contains(QStringLiteral("--shown")), quiet.Folder());
    }
    for (const qsizetype bytes : sizes) LongOperand(bytes, quiet.Folder());
    return 0;
}
