#include "history/line_value.h"

namespace spanwright::history {

std::optional<std::string> LineValue(std::string_view line) {
    const bool result = line.starts_with("= ");
    if (line.size() >= 2 && line[1] == ' ' && (result || std::string_view("+-*/").find(line[0]) != std::string_view::npos))
        line.remove_prefix(2);
    if (line.empty() || line == "clr" || (result && line.starts_with("Error "))) return std::nullopt;
    return std::string(line);
}

}  // namespace spanwright::history
