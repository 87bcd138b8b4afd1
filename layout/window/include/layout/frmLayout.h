#pragma once
// The "Layout Tools" window: two pages, "Right Triangle" and "Stair Layout".
// Each takes its fields as typed, hands them to the calculation
// (right_triangle.h, stair_layout.h) with the main window's output options
// as they are at that moment, and shows the result lines it gets back in
// read-only boxes that can be selected and copied. A message comes in a box
// titled "Layout Tools"; then nothing else changes.
//   Right Triangle: Run 12', Pitch 4, Solve  -> Rise result 4'0", ...,
//                                               Angle result 18.43
//   Stair Layout: Total Rise 9', Tread Depth 10", Code IRC, Lay Out
//                                            -> Risers result 14, ...
//   Run abc, Solve                           -> "Run: Invalid input.", the
//                                               fields and results as they were
// Enter in a field runs its page; Escape closes (hides) the window, which
// keeps what was typed until the program ends.
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "engine/options.h"
#include "layout/layout_outcome.h"

class QFormLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace spanwright::layout {

// The result lines of one page: a caption and a read-only box per line,
// each box named "<caption> result" for screen readers.
class ResultList : public QWidget {
public:
    explicit ResultList(QWidget* parent);
    void Show(const std::vector<ResultLine>& lines);
    // The box of the line with this caption, or nullptr.
    QLineEdit* Value(const QString& caption) const;

private:
    QFormLayout* form_;
};

class frmLayout : public QWidget {
public:
    explicit frmLayout(const OutputOptions& options);

    // Runs when the window is closed (hidden): the opener saves its place.
    void SetClosed(std::function<void()> closed) { closed_ = std::move(closed); }

    void cmdSolve_Click();
    void cmdLayOut_Click();

    QTabWidget* tabPages = nullptr;
    // Right Triangle.
    QLineEdit *txtRise = nullptr, *txtRun = nullptr, *txtDiagonal = nullptr, *txtPitch = nullptr,
              *txtAngle = nullptr;
    QPushButton* cmdSolve = nullptr;
    ResultList* triangleResults = nullptr;
    // Stair Layout.
    QLineEdit *txtTotalRise = nullptr, *txtTreadDepth = nullptr, *txtTotalRun = nullptr, *txtRisers = nullptr;
    std::array<QRadioButton*, 3> optCode{};  // in BuildingCode order: IRC, IBC, None
    QPushButton* cmdLayOut = nullptr;
    ResultList* stairResults = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildTrianglePage();
    QWidget* BuildStairPage();
    // Shows the lines, or the message and nothing else.
    void Present(const LayoutOutcome& outcome, ResultList* results);

    const OutputOptions& options_;
    std::function<void()> closed_;
};

}  // namespace spanwright::layout
