#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "engine/errors.h"
#include "engine/numeric.h"
#include "layout/right_triangle.h"
#include "layout/stair_layout.h"
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
    "       spanwright --triangle NAME=VALUE... [options]\n"
    "       spanwright --stair NAME=VALUE... [options]\n"
    "Types TEXT at the calculator, with no window, and prints the display\n"
    "(and its square-unit tag) after the last key, or with --tape the history.\n"
    "Without arguments the calculator's window starts.\n"
    "\n"
    "Keys: 0-9 . ' \" f F n N m M c C + - * / as typed (m and c type the\n"
    "metric units mm, cm, m); = or a line feed is Enter;\n"
    "blanks, tabs and carriage returns are skipped. --keys - reads the keys\n"
    "from standard input (at most 16 MiB).\n"
    "\n"
    "--triangle: any two of rise=, run=, diagonal= (lengths as the display\n"
    "takes them: 12' 5'3-1/2\" 150), pitch= (rise per 12 of run: 4, 4/12, 9.5)\n"
    "and angle= (degrees), at most one of pitch and angle, print all five.\n"
    "--stair: rise= (floor to floor), tread= or run=, risers= (a count to\n"
    "force), code=irc|ibc|none (irc unless given) print the stair, one\n"
    "\"name value\" line each, with a \"check\" line per code limit.\n"
    "  spanwright --triangle run=12\\' pitch=4   -> rise 4'0\", ... angle 18.43\n"
    "  spanwright --stair rise=9\\' tread=10\\\" code=irc -> risers 14, ...\n"
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
    "--keys=TEXT, --format=TEXT and --round=TEXT are the same as the two-word forms.\n"
    "\n"
    "Exit status: 0 ok, 1 the calculator showed a message or refused a key\n"
    "(with --triangle or --stair: no triangle or stair can be made of the\n"
    "values), 2 a usage error, a character that is not a key or a value that\n"
    "cannot be read, 3 the output could not be written.\n";

const std::vector<std::string> kWithValue = {"--keys", "--format", "--round"};
const std::vector<std::string> kAlone = {"--tape",     "--fractional", "--decimal", "--square", "--no-square",
                                         "--no-round", "--help",       "--version", "--triangle", "--stair"};
// What each layout tool takes, as name=value after its flag.
const std::vector<std::string> kTriangleNames = {"rise", "run", "diagonal", "pitch", "angle"};
const std::vector<std::string> kStairNames = {"rise", "tread", "run", "risers", "code"};

bool IsOneOf(const std::vector<std::string>& list, const std::string& a) {
    return std::find(list.begin(), list.end(), a) != list.end();
}

struct Refusal {
    std::string text;
    bool hint = true;  // a second line pointing at --help
};

[[noreturn]] void Refuse(const std::string& text, bool hint = true) { throw Refusal{text, hint}; }

// The length of the UTF-8 sequence at text[i] when it is printable text:
// no control character (C0, DEL, C1), no byte outside UTF-8; else 0.
std::size_t PrintableAt(std::string_view text, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) return c >= 0x20 && c != 0x7F ? 1 : 0;
    const std::size_t length = (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return 0;
    const unsigned char next = static_cast<unsigned char>(text[i + 1]);
    if (length == 2 && (c < 0xC2 || (c == 0xC2 && next < 0xA0))) return 0;  // overlong, or C1
    if (length == 3 && c == 0xE0 && next < 0xA0) return 0;                 // overlong
    if (length == 3 && c == 0xED && next >= 0xA0) return 0;                // a surrogate
    if (length == 4 && (c > 0xF4 || (c == 0xF0 && next < 0x90) || (c == 0xF4 && next >= 0x90))) return 0;
    return length;
}

// What the user gave, for a message: printable text as it is, every other
// byte escaped, so nothing reaches the terminal as a control:
//   "a\x1b[2J" -> a\x1b[2J (as six visible characters);  "\xff" -> \xff;  "é" -> é
std::string Quoted(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t length = PrintableAt(text, i)) {
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(text[i]));
        out += hex;
        ++i;
    }
    return out;
}

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
    std::map<std::string, std::string> values;  // the flags given, each once
    std::map<std::string, std::string> named;   // the layout tools' name=value arguments
};

bool Given(const Request& r, const std::string& flag) { return r.values.count(flag) > 0; }

// Every argument checked before anything runs: an unknown one (Qt's own
// -platform too) is refused, whatever else is given.
Request Parse(const std::vector<std::string>& args) {
    Request r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string flag = args[i];
        std::optional<std::string> value;
        if (const std::size_t equals = flag.find('='); flag.rfind("--", 0) == 0 && equals != std::string::npos &&
                                                       IsOneOf(kWithValue, flag.substr(0, equals))) {
            value = flag.substr(equals + 1);
            flag.resize(equals);
        }
        if (const std::size_t equals = flag.find('='); flag.rfind("-", 0) != 0 && equals != std::string::npos) {
            const std::string name = Lower(flag.substr(0, equals));
            if (r.named.count(name) > 0) Refuse(Quoted(name) + "= is given twice");
            r.named[name] = flag.substr(equals + 1);
            continue;
        }
        const bool withValue = IsOneOf(kWithValue, flag);
        if (!withValue && !IsOneOf(kAlone, flag))
            Refuse("unknown option '" + Quoted(flag) + "' (see --help)", false);
        if (Given(r, flag)) Refuse(flag + " is given twice");
        if (withValue && !value) {
            if (i + 1 == args.size()) Refuse(flag + " needs a value");
            value = args[++i];
        }
        r.values[flag] = value.value_or("");
    }
    return r;
}

void CheckTogether(const Request& r) {
    for (const auto& [one, other] : {std::pair{"--fractional", "--decimal"}, {"--square", "--no-square"},
                                     {"--round", "--no-round"}})
        if (Given(r, one) && Given(r, other)) Refuse(std::string(one) + " and " + other + " contradict each other");
    const int tools = int(Given(r, "--keys")) + int(Given(r, "--triangle")) + int(Given(r, "--stair"));
    if (tools > 1) Refuse("--keys, --triangle and --stair are one at a time");
    if (tools == 0) {
        if (r.values.empty()) Refuse("'" + Quoted(r.named.begin()->first) + "=' goes with --triangle or --stair");
        Refuse(r.values.begin()->first + " goes with --keys");
    }
    if (Given(r, "--tape") && !Given(r, "--keys")) Refuse("--tape goes with --keys");
    const std::string tool = Given(r, "--triangle") ? "--triangle" : "--stair";
    if (Given(r, "--keys") && !r.named.empty())
        Refuse("'" + Quoted(r.named.begin()->first) + "=' goes with --triangle or --stair");
    const std::vector<std::string>& names = tool == "--triangle" ? kTriangleNames : kStairNames;
    for (const auto& [name, value] : r.named)
        if (!IsOneOf(names, name)) Refuse(tool + " takes " + ListText(names) + ", not '" + Quoted(name) + "'");
}

// Whether the user's locale writes "," for the decimal point; the program's
// own numeric locale stays as it was.
bool LocaleWritesComma() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    const std::string kept = current ? current : "C";
    const bool comma = std::setlocale(LC_NUMERIC, "") && std::localeconv()->decimal_point[0] == ',';
    std::setlocale(LC_NUMERIC, kept.c_str());
    return comma;
}

// The saved options with the flags put in their place.
SavedOptions Options(const Request& r, SavedOptions saved) {
    saved.decimalComma = LocaleWritesComma();
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
        if (!saved.format)
            Refuse("--format: '" + Quoted(wanted) + "' is not in the format list (" + ListText(items) + ")");
    }
    if (Given(r, "--round")) {
        const std::vector<std::string>& items = calculator::RoundItems(mode);
        const std::string& wanted = r.values.at("--round");
        saved.round = FindItem(items, wanted, true);
        if (!saved.round)
            Refuse("--round: '" + Quoted(wanted) + "' is not in the rounding list (" + ListText(items) + ")");
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
        const std::size_t length = c < 0x80 ? 1 : PrintableAt(text, i);
        const std::string where = "--keys: character " + std::to_string(character);
        if (length == 0) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", c);
            Refuse(where + " (byte " + hex + ") is not a key");
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        const auto key = length == 1 ? calculator::keys::OfTypedCharacter(static_cast<char>(c)) : std::nullopt;
        if (!key) Refuse(where + " '" + Quoted(text.substr(i, length)) + "' is not a key");
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

// Standard error may be closed or gone: a failed message never stops the answer.
void Say(const std::string& line) {
    std::cerr << line << '\n';
    std::cerr.clear();
}

// The value of name=, empty when not given.
std::string Named(const Request& r, const std::string& name) {
    const auto found = r.named.find(name);
    return found == r.named.end() ? std::string() : found->second;
}

layout::BuildingCode CodeOf(const Request& r) {
    const std::string code = Lower(Named(r, "code"));
    if (code.empty() || code == "irc") return layout::BuildingCode::Irc;
    if (code == "ibc") return layout::BuildingCode::Ibc;
    if (code == "none") return layout::BuildingCode::None;
    Refuse("--stair: code '" + Quoted(Named(r, "code")) + "' is not irc, ibc or none");
}

// --triangle and --stair: the lines, or the message (status 2 for a value
// that cannot be read, 1 for values that make no triangle or stair).
int RunLayout(const Request& r, settings::Store& store) {
    const SavedOptions saved = Options(r, settings::Load(store));
    const layout::BuildingCode code = Given(r, "--stair") ? CodeOf(r) : layout::BuildingCode::Irc;
    Calculator core;  // its start-up turns the saved options into the ones results are written with
    core.Start(saved);
    const layout::LayoutOutcome outcome =
        Given(r, "--triangle")
            ? layout::SolveTriangle({Named(r, "rise"), Named(r, "run"), Named(r, "diagonal"), Named(r, "pitch"),
                                     Named(r, "angle")},
                                    core.Options())
            : layout::LayOutStair({Named(r, "rise"), Named(r, "tread"), Named(r, "run"), Named(r, "risers"), code},
                                  core.Options());
    if (outcome.message) {
        Say(Quoted(*outcome.message));
        return outcome.failure == layout::Failure::Refused ? kUsage : kMessages;
    }
    std::string out;
    for (const layout::ResultLine& line : outcome.lines) out += line.name + " " + line.value + "\n";
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return kNoOutput;
    return kOk;
}

int Run(const Request& r, settings::Store& store) {
    const SavedOptions saved = Options(r, settings::Load(store));
    const std::string& given = r.values.at("--keys");
    const std::vector<TypedKey> keys = KeysOf(given == "-" ? ReadInput() : given);
    Calculator core;
    int status = kOk;
    auto report = [&status](const calculator::Outcome& outcome) {
        for (const calculator::Message& message : outcome.messages) {
            Say(message.text);
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
                           Quoted(std::string_view(&firstRefused->typed, 1)) + "') refused: " + why;
        if (moreRefused > 0)
            line += " (and " + std::to_string(moreRefused) + " more key" + (moreRefused == 1 ? "" : "s") + " refused)";
        Say(line);
        status = kMessages;
    }
    const std::string out = Printed(core, r.values.count("--tape") > 0);
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) return kNoOutput;
    return status;
}

// --help and --version print their text; a reader that went away is status 3.
int Print(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) return kNoOutput;
    return kOk;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;
    const std::vector<std::string> args(argv + 1, argv + argc);
    // --help or --version anywhere wins over every other argument, known or not.
    if (std::count(args.begin(), args.end(), "--help") > 0) return Print(kHelp);
    if (std::count(args.begin(), args.end(), "--version") > 0) return Print("spanwright " SPANWRIGHT_VERSION "\n");
    try {
        const Request request = Parse(args);
        CheckTogether(request);
        settings::FileStore store;
        return Given(request, "--keys") ? Run(request, store) : RunLayout(request, store);
    } catch (const Refusal& refusal) {
        Say("spanwright: " + refusal.text);
        if (refusal.hint) Say("(spanwright --help lists the options)");
        return kUsage;
    }
}

}  // namespace spanwright::app
