// Measures what one recorded key costs the history window with 10 and with
// 100,000 lines (it must not grow with the history), and the export of
// 100,000 lines (the aim is 100 ms or less). Prints one line per measure.
//   QT_QPA_PLATFORM=offscreen history_bench [--shown]
// Settings go to a temporary folder; the export to a temporary file.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "history/frmHistory.h"

namespace {
using spanwright::frmHistory;

// The strings a calculation 12'3-1/2" + ... records: an operand line and an
// operator line per key pair.
const QString kOperand = QStringLiteral("12'3-1/2\"");
const QString kOperator = QStringLiteral("\r\n+ ");

void Fill(frmHistory& h, int lines) {
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

KeyCost MeasureKey(frmHistory& h, int rounds) {
    std::vector<double> append, swap, show, paint;
    QElapsedTimer t;
    auto lap = [&t](std::vector<double>& into) {
        into.push_back(t.nsecsElapsed() / 1000.0);
        t.start();
    };
    for (int i = 0; i < rounds; ++i) {
        t.start();
        h.Append(kOperand);
        h.Append(kOperator);
        lap(append);
        h.RemoveLast(2);
        h.Append(QStringLiteral("- "));
        lap(swap);
        h.ShowLastLine();
        lap(show);
        QCoreApplication::processEvents();
        lap(paint);
    }
    return {Median(append), Median(swap), Median(show), Median(paint)};
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool shown = app.arguments().contains(QStringLiteral("--shown"));
    QTemporaryDir dir;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, dir.path());
        QSettings::setPath(format, QSettings::SystemScope, dir.path());
    }

    std::printf("history window %s\n", shown ? "shown" : "hidden");
    for (int lines : {10, 100000}) {
        frmHistory h;
        if (shown) h.show();
        QElapsedTimer fill;
        fill.start();
        Fill(h, lines);
        const double fillMs = fill.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();
        const KeyCost key = MeasureKey(h, 200);
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
    }
    return 0;
}
