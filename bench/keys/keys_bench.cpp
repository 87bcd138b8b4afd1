// Median time per key press through the keyboard map, for a mixed
// calculation typed as key events:
//   work:  the key event sent to the main window until its display is set
//   paint: the same with the main and history windows shown and the event
//          queue drained after the key (paints included)
// each with an empty history and with 100,000 lines recorded; then the
// export of 100,000 lines. Targets: work <= 50 us, paint <= 1 ms, 100k
// figures <= 1.5x the empty ones, export <= 100 ms.
//   QT_QPA_PLATFORM=offscreen spanwright_bench_keys
// Settings go to a temporary folder, the export to a temporary file.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "history/frmHistory.h"
#include "main_window/frmMain.h"
#include "support/quiet_settings.h"

namespace {
using spanwright::frmHistory;
using spanwright::frmMain;

struct Key {
    Qt::Key key;
    const char* text;
    Qt::KeyboardModifiers modifiers;
};

// 3'4-1/2" + - 10 * 2 Enter, 5 + 3 Enter, Del Del, 7 Back 8 / 4 Enter:
// entry, marks, the fraction bar, an operator change, chained operators,
// clear all and backspace.
const std::vector<Key>& Calculation() {
    static const std::vector<Key> keys = [] {
        std::vector<Key> k;
        auto type = [&k](const char* chars) {
            for (const char* c = chars; *c; ++c) {
                const bool shift = *c == '"' || *c == '*' || *c == '+';
                const Qt::Key key = *c == 'f' ? Qt::Key_F : Qt::Key(*c);
                static char text[128][2];
                text[int(*c)][0] = *c;
                k.push_back({key, text[int(*c)], shift ? Qt::ShiftModifier : Qt::NoModifier});
            }
        };
        auto press = [&k](Qt::Key key) { k.push_back({key, "", Qt::NoModifier}); };
        type("3'4f1/2\"+-10*2");
        press(Qt::Key_Return);
        type("5+3");
        press(Qt::Key_Return);
        press(Qt::Key_Delete);
        press(Qt::Key_Delete);
        type("7");
        press(Qt::Key_Backspace);
        type("8/4");
        press(Qt::Key_Return);
        return k;
    }();
    return keys;
}

double Median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// Median microseconds of `runs` calls of f.
template <class F>
double MedianMicros(int runs, F f) {
    std::vector<double> times;
    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        t.start();
        f();
        times.push_back(t.nsecsElapsed() / 1000.0);
    }
    return Median(times);
}

// Microseconds per key press, median over `rounds` runs of the calculation.
double MeasureKeys(frmMain& w, int rounds, bool paint, bool clearEachRound) {
    std::vector<double> times;
    QElapsedTimer t;
    for (int r = 0; r < rounds; ++r) {
        if (clearEachRound) w.HistoryWindow()->mnuClear_Click();
        for (const Key& k : Calculation()) {
            QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, QString::fromLatin1(k.text));
            QKeyEvent release(QEvent::KeyRelease, k.key, k.modifiers, QString::fromLatin1(k.text));
            t.start();
            QApplication::sendEvent(&w, &press);
            if (paint) {
                QApplication::sendEvent(&w, &release);
                QApplication::processEvents();
            }
            times.push_back(t.nsecsElapsed() / 1000.0);
            if (!paint) {
                // Untimed: what the key posted (repaints) is handled before the next.
                QApplication::sendEvent(&w, &release);
                QApplication::processEvents();
            }
        }
    }
    return Median(times);
}

// Microseconds of the history box's scroll to its last line alone, which
// every handled key ends with.
double MeasureShowLastLine(frmHistory& h) {
    return MedianMicros(1000, [&h] { h.ShowLastLine(); });
}

// Records at least `lines` lines by keying 1 + 1 + ... (each + after the
// first records an operand, a result and an operator line).
void Fill(frmMain& w, int lines) {
    for (int i = 0; i < lines / 3 + 1; ++i)
        for (const Key& k : {Key{Qt::Key_1, "1", Qt::NoModifier}, Key{Qt::Key_Plus, "+", Qt::ShiftModifier}}) {
            QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, QString::fromLatin1(k.text));
            QApplication::sendEvent(&w, &press);
        }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
}

}  // namespace

int main(int argc, char* argv[]) {
    const QuietSettings quiet;
    QApplication app(argc, argv);
    QuietSettings::SilenceMessages();

    frmMain w;
    w.Form_Load();
    frmHistory& h = *w.HistoryWindow();
    constexpr int kRounds = 200;
    constexpr int kLines = 100000;

    MeasureKeys(w, 20, false, true);  // warm up
    const double workEmpty = MeasureKeys(w, kRounds, false, true);
    h.mnuClear_Click();
    const double lastLineEmpty = MeasureShowLastLine(h);
    w.show();
    h.show();
    QApplication::processEvents();
    const double paintEmpty = MeasureKeys(w, kRounds, true, true);

    h.hide();
    h.mnuClear_Click();
    Fill(w, kLines);
    const double workFull = MeasureKeys(w, kRounds, false, false);
    const double lastLineFull = MeasureShowLastLine(h);
    h.show();
    QApplication::processEvents();
    const double paintFull = MeasureKeys(w, kRounds, true, false);

    h.SetSaveDialog([&quiet](QWidget*, const frmHistory::SaveRequest&) { return quiet.Folder().filePath("History.txt"); });
    h.mnuClear_Click();
    Fill(w, kLines);
    const double exportMs = MedianMicros(5, [&h] { h.mnuExport_Click(); }) / 1000.0;

    std::printf("key work alone, empty history:      %8.1f us per key (target <= 50)\n", workEmpty);
    std::printf("key work alone, 100,000 lines:      %8.1f us per key (%.2fx empty)\n", workFull,
                workFull / workEmpty);
    std::printf("key with painting, empty history:   %8.1f us per key (target <= 1000)\n", paintEmpty);
    std::printf("key with painting, 100,000 lines:   %8.1f us per key (%.2fx empty)\n", paintFull,
                paintFull / paintEmpty);
    std::printf("of which the last-line scroll alone: %8.1f us empty, %.1f us with 100,000 lines\n",
                lastLineEmpty, lastLineFull);
    std::printf("export of 100,000 lines:            %8.1f ms (target <= 100)\n", exportMs);
    w.close();
    return 0;
}
