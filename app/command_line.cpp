#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "engine/errors.h"
#include "engine/numeric.h"
#include "settings/file_store.h"

namespace spanwright::app {
namespace {

using calculator::Calculator;
using calculator::SavedOptions;
using calculator::SavedRounding;

constexpr int kOk = 0;
constexpr int kMessages = 1;
constexpr int kUsage = 2;
constexpr int kNoOutput = 3;
constexpr std::size_t kMostInput = std::size_t{16} << 20;

constexpr std::string_view kHelp =
    "Usage: spanwright [--keys TEXT | --keys -] [--tape] [options]\n"
    "Types TEXT at the calculator, with no window, and prints the display\n"
    "(and its square-unit tag) after the last key, or with --tape the history.\n"
    "\n"
    "Keys: 0-9 . ' \" f F n N + - * / as typed; = or a line feed is Enter;\n"
    "blanks, tabs and carriage returns are skipped. --keys - reads the keys\n"
    "from standard input (at most 16 MiB).\n"
    "\n"
    "Output options (instead of the saved settings):\n"
    "  --fractional | --decimal       the output form\n"
    "  --square | --no-square         products in square units\n"
    "  --format TEXT                  an item of the format list: \"Inches\",\n"
    "                                 \"Feet and Inches\", \"Square Feet\", ...\n"
    "  --round TEXT                   an item of the rounding list, by its text\n"
    "                                 (\"1/16 Inch\") or its value (0.01); rounds\n"
    "  --no-round                     decimal output unrounded\n"
    "  --help, --version\n"
    "\n"
    "Exit status: 0 ok, 1 the calculator showed a message or refused a key,\n"
    "2 a usage error or a character that is not a key, 3 the output could not\n"
    "be written.\n";

struct Refusal {
    std::string text;
};

[[noreturn]] void Refuse(const std::string& text) { throw Refusal{text}; }

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string ListText(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

// The value a rounding item stands for: "1/16 Inch" 0.0625, "0.01" 0.01.
std::optional<double> ItemValue(const std::string& item) {
    try {
        if (item == "1 Inch") return 1.0;
        if (item.rfind("1/", 0) == 0) return 1.0 / numeric::Real(item.substr(2, item.find(' ') - 2));
        return numeric::Real(item);
    } catch (const NumberedError&) {
        return std::nullopt;
    }
}

// The position of an item given by its text (any letter case) or, for the
// rounding list, by its value.
std::optional<int> FindItem(const std::vector<std::string>& items, const std::string& wanted, bool byValue) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (Lower(items[i]) == Lower(wanted)) return static_cast<int>(i);
    if (!byValue) return std::nullopt;
    std::optional<double> value;
    try {
        value = numeric::Real(wanted);
    } catch (const NumberedError&) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < items.size(); ++i)
        if (ItemValue(items[i]) == value) return static_cast<int>(i);
    return std::nullopt;
}

struct Request {
    std::optional<std::string> keys;  // the text, or "-" for standard input
    bool tape = false;
    std::map<std::string, std::string> values;  // the flags given, each once
};

bool Given(const Request& r, const std::string& flag) { return r.values.count(flag) > 0; }

Request Parse(const std::vector<std::string>& args) {
    static const std::vector<std::string> kWithValue = {"--keys", "--format", "--round"};
    static const std::vector<std::string> kAlone = {"--tape", "--fractional", "--decimal", "--square",
                                                    "--no-square", "--no-round"};
    Request r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool withValue = std::count(kWithValue.begin(), kWithValue.end(), a) > 0;
        if (!withValue && std::count(kAlone.begin(), kAlone.end(), a) == 0) Refuse("unknown argument '" + a + "'");
        if (Given(r, a)) Refuse(a + " is given twice");
        if (withValue && i + 1 == args.size()) Refuse(a + " needs a value");
        r.values[a] = withValue ? args[++i] : "";
    }
    for (const auto& [one, other] : {std::pair{"--fractional", "--decimal"}, {"--square", "--no-square"},
                                     {"--round", "--no-round"}})
        if (Given(r, one) && Given(r, other)) Refuse(std::string(one) + " and " + other + " contradict each other");
    if (!Given(r, "--keys")) Refuse(args.front() + " goes with --keys");
    r.keys = r.values["--keys"];
    r.tape = Given(r, "--tape");
    return r;
}

// The saved options with the flags put in their place.
SavedOptions Options(const Request& r, SavedOptions saved) {
    if (Given(r, "--fractional")) saved.output = 0;
    if (Given(r, "--decimal")) saved.output = 1;
    if (Given(r, "--square")) saved.square = true;
    if (Given(r, "--no-square")) saved.square = false;
    // The lists as the chosen output and square setting fill them.
    const int mode = saved.output == 1 ? 1 : 0;
    if (Given(r, "--format")) {
        const std::vector<std::string> items = calculator::FormatItems(mode, saved.square);
        const std::string& wanted = r.values.at("--format");
        saved.format = FindItem(items, wanted, false);
        if (!saved.format) Refuse("--format: '" + wanted + "' is not in the format list (" + ListText(items) + ")");
    }
    if (Given(r, "--round")) {
        const std::vector<std::string>& items = calculator::RoundItems(mode);
        const std::string& wanted = r.values.at("--round");
        saved.round = FindItem(items, wanted, true);
        if (!saved.round) Refuse("--round: '" + wanted + "' is not in the rounding list (" + ListText(items) + ")");
        saved.roundOn = SavedRounding::On;
    }
    if (Given(r, "--no-round")) {
        if (mode == 0) Refuse("--no-round: fractional output is always rounded");
        saved.roundOn = SavedRounding::Off;
    }
    return saved;
}

std::string ReadInput() {
    std::string text;
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        text.append(buffer, n);
        if (text.size() > kMostInput) Refuse("--keys -: the input is over 16 MiB");
    }
    if (std::ferror(stdin)) Refuse("--keys -: standard input could not be read");
    return text;
}

// A key press with where it stands in the text (1-based, in characters).
struct TypedKey {
    calculator::keys::Key key;
    std::size_t place;
    char typed;
};

// The key presses of the text, every character checked before anything runs.
std::vector<TypedKey> KeysOf(std::string_view text) {
    std::vector<TypedKey> keys;
    keys.reserve(text.size());
    std::size_t character = 0;
    for (std::size_t i = 0; i < text.size();) {
        ++character;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) valid = (static_cast<unsigned char>(text[i + k]) >> 6) == 2;
        const std::string where = "--keys: character " + std::to_string(character);
        if (!valid) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", c);
            Refuse(where + " (byte " + hex + ") is not a key");
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        const auto key = length == 1 ? calculator::keys::OfTypedCharacter(static_cast<char>(c)) : std::nullopt;
        if (!key) Refuse(where + " '" + std::string(text.substr(i, length)) + "' is not a key");
        keys.push_back({*key, character, static_cast<char>(c)});
        i += length;
    }
    return keys;
}

std::string Printed(const Calculator& core, bool tape) {
    if (!tape) {
        std::string line = core.Display().empty() ? "0" : core.Display();
        if (!core.SquareTag().empty()) line += " " + core.SquareTag();
        return line + "\n";
    }
    std::string text;
    text.reserve(core.Tape().size() + 1);
    for (std::size_t i = 0; i < core.Tape().size(); ++i) {
        if (core.Tape()[i] == '\r' && i + 1 < core.Tape().size() && core.Tape()[i + 1] == '\n') continue;
        text += core.Tape()[i];
    }
    if (!text.empty() && text.back() != '\n') text += '\n';
    return text;
}

int Run(const Request& r, settings::Store& store) {
    const SavedOptions saved = Options(r, settings::Load(store));
    const std::vector<TypedKey> keys = KeysOf(*r.keys == "-" ? ReadInput() : *r.keys);
    Calculator core;
    int status = kOk;
    auto report = [&status](const calculator::Outcome& outcome) {
        for (const calculator::Message& message : outcome.messages) {
            std::cerr << message.text << '\n';
            status = kMessages;
        }
    };
    report(core.Start(saved));
    // The first refused key is named, the others counted.
    std::optional<TypedKey> firstRefused;
    std::string why;
    std::size_t moreRefused = 0;
    for (const TypedKey& typed : keys) {
        const calculator::Outcome outcome = core.KeyDown(typed.key.code, typed.key.shift);
        report(outcome);
        if (!outcome.refused) continue;
        if (firstRefused) {
            ++moreRefused;
            continue;
        }
        firstRefused = typed;
        why = *outcome.refused;
    }
    if (firstRefused) {
        std::string line = "spanwright: key " + std::to_string(firstRefused->place) + " ('" +
                           std::string(1, firstRefused->typed) + "') refused: " + why;
        if (moreRefused > 0)
            line += " (and " + std::to_string(moreRefused) + " more key" + (moreRefused == 1 ? "" : "s") + " refused)";
        std::cerr << line << '\n';
        status = kMessages;
    }
    const std::string out = Printed(core, r.tape);
    std::signal(SIGPIPE, SIG_IGN);  // a closed reader is a failed write, status 3, not a killed process
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return kNoOutput;
    return status;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    static const std::vector<std::string> kOurs = {"--keys", "--tape", "--fractional", "--decimal", "--square",
                                                   "--no-square", "--format", "--round", "--no-round", "--help",
                                                   "--version"};
    const auto ours = [](const std::string& a) { return std::count(kOurs.begin(), kOurs.end(), a) > 0; };
    if (std::none_of(args.begin(), args.end(), ours)) return std::nullopt;
    if (args.size() == 1 && args[0] == "--help") return std::cout << kHelp << std::flush ? kOk : kNoOutput;
    if (args.size() == 1 && args[0] == "--version")
        return std::cout << "spanwright " SPANWRIGHT_VERSION "\n" << std::flush ? kOk : kNoOutput;
    try {
        const Request request = Parse(args);
        settings::FileStore store;
        return Run(request, store);
    } catch (const Refusal& refusal) {
        std::cerr << "spanwright: " << refusal.text << "\n(spanwright --help lists the options)\n";
        return kUsage;
    }
}

}  // namespace spanwright::app
