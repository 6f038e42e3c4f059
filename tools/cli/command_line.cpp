#include "tools/cli/command_line.h"

#include <algorithm>

#include "tools/cli/terminal_text.h"

namespace tk73cli {

namespace {

const OptionSpec* findOption(const std::vector<OptionSpec>& options, const std::string& name) {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&](const OptionSpec& spec) { return name == spec.name; });
    return found == options.end() ? nullptr : &*found;
}

}  // namespace

CommandLine::CommandLine(const std::vector<std::string>& args,
                         const std::vector<OptionSpec>& options, int minPositional,
                         int maxPositional) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            positional_.push_back(arg);
            continue;
        }
        const std::string name = arg.substr(2);
        const OptionSpec* spec = findOption(options, name);
        if (spec == nullptr) {
            throw UsageError("unknown option " + arg);
        }
        if (values_.count(name) != 0) {
            throw UsageError("option " + arg + " given twice");
        }
        if (spec->valueName == nullptr) {
            values_[name] = "";
        } else if (i + 1 < args.size()) {
            ++i;
            values_[name] = spec->storedText ? InstallationText(args[i], arg) : args[i];
        } else {
            throw UsageError("option " + arg + " needs a value");
        }
    }
    const int count = static_cast<int>(positional_.size());
    if (count < minPositional) {
        throw UsageError("missing argument");
    }
    if (count > maxPositional) {
        throw UsageError("unexpected argument " + positional_[static_cast<size_t>(maxPositional)]);
    }
}

const std::string& CommandLine::value(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        throw UsageError("option --" + name + " is required");
    }
    return found->second;
}

std::string CommandLine::valueOr(const std::string& name, const std::string& fallback) const {
    return has(name) ? value(name) : fallback;
}

int CommandLine::number(const std::string& name, int low, int high) const {
    return parseNumber(value(name), "--" + name, low, high);
}

int CommandLine::numberOr(const std::string& name, int fallback, int low, int high) const {
    return has(name) ? number(name, low, high) : fallback;
}

int parseNumber(const std::string& text, const std::string& what, int low, int high) {
    const bool digits =
        !text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int value = digits ? std::stoi(text) : -1;
    if (!digits || value < low || value > high) {
        throw UsageError(what + " takes a number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + text + "\"");
    }
    return value;
}

NumberRange parseRange(const std::string& text, const std::string& what, int low, int high) {
    const size_t dash = text.find('-');
    NumberRange range;
    range.first = parseNumber(text.substr(0, dash), what, low, high);
    range.last = dash == std::string::npos ? range.first
                                           : parseNumber(text.substr(dash + 1), what, low, high);
    if (range.last < range.first) {
        throw UsageError(what + " ends before it starts: \"" + text + "\"");
    }
    return range;
}

}  // namespace tk73cli
