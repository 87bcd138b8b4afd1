// Round trip: every text the formatter writes parses back to a value within
// half a rounding step of the input (in the unit shown, plus one unit in the
// 15th significant digit), and formatting that value again gives the same
// text. Exceptions, as the program behaves:
// - inches rounding up to 12 (3'12" reads back as 48, then written 4'0");
// - minus-zero forms (-0'0", -0) of small negatives read back as zero;
// - square forms read back only with the mark appended;
// - decimal texts with a negative exponent are refused for their dash.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/mdlDisplay.h"

namespace {

using namespace spanwright;

struct Form {
    OutputOptions options;
    double half_step;  // in the unit shown
    double unit;       // inches per unit shown: 12 for feet forms
    const char* mark;  // appended before reading back (square forms)
};

std::vector<Form> AllForms() {
    std::vector<Form> forms;
    auto add = [&](int output, int square, int format, int round_on, int round, double half, double unit,
                   const char* mark) {
        Form f{{}, half, unit, mark};
        f.options.output = output, f.options.square = square, f.options.format = format;
        f.options.round_on = round_on, f.options.round = round;
        forms.push_back(f);
    };
    for (int k = 0; k <= 8; ++k) {
        for (int f = 0; f <= 2; ++f) add(0, 0, f, 1, k, 0.5 / (1 << k), 1, "");
        add(0, 1, 0, 1, k, 0.5 / (1 << k), 1, "\"");  // square inches
    }
    for (int k = -1; k <= 8; ++k) {  // -1: rounding off, ten places
        const double half = 0.5 * std::pow(10.0, k < 0 ? -10 : -k);
        for (int f = 0; f <= 3; ++f) add(1, 0, f, k >= 0, std::max(k, 0), half, f == 2 ? 12 : 1, "");
        add(1, 1, 0, k >= 0, std::max(k, 0), half, 12, "'");  // square feet
        add(1, 1, 1, k >= 0, std::max(k, 0), half, 1, "\"");  // square inches
    }
    return forms;
}

double Ulp15(double v) { return v == 0 ? 0 : std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 14); }

TEST(RoundTrip, FormattedTextsReadBack) {
    const std::vector<Form> forms = AllForms();
    std::mt19937_64 rng(20260101);
    std::uniform_real_distribution<double> exponent(-3.0, 7.0);
    std::uniform_int_distribution<std::size_t> pick(0, forms.size() - 1);
    int checked = 0, failures = 0;
    for (int i = 0; i < 100000 && failures < 20; ++i) {
        double v = (rng() & 1 ? -1 : 1) * std::pow(10.0, exponent(rng));
        if (i % 10 == 0) v = std::round(v * 256) / 256;  // on the finest grid
        for (int j = 0; j < 3; ++j) {
            const Form& form = forms[pick(rng)];
            const std::string text = mdlDisplay::FormatDimension(v, form.options);
            if (form.options.output == 1 && text.find("E-") != std::string::npos) continue;
            const std::string back_text = text + form.mark;
            const double back = mdlConvertInput::ConvertInput(back_text, mdlDetType::DetType(back_text));
            const std::string again = mdlDisplay::FormatDimension(back, form.options);
            ++checked;
            // Rounding decides on the 15-digit form, so a value just past a tie
            // in its 17 digits may be a tie in its 15.
            const double tolerance = (form.half_step + Ulp15(v / form.unit)) * form.unit * (1 + 1e-9) + 1e-9;
            const bool excepted = text.find("'12") != std::string::npos || (back == 0 && text.rfind("-0", 0) == 0);
            if (std::fabs(back - v) > tolerance || (again != text && !excepted)) {
                ++failures;
                ADD_FAILURE() << "v=" << v << " text=" << text << " reads back " << back << " written " << again
                              << " (output " << form.options.output << ", format " << form.options.format
                              << ", round " << form.options.round << ", square " << form.options.square << ")";
            }
        }
    }
    EXPECT_GE(checked, 100000);
}

}  // namespace
