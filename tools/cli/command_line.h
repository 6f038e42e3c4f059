#pragma once
// The arguments of one command: options ("--name value" or "--name") and positional arguments,
// checked against what the command takes before the command runs, so that a typing mistake
// ends with a usage line and touches nothing.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk73cli {

// A mistake in the arguments; main turns it into the usage line and exit code 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    const char* name;       // without the leading "--"
    const char* valueName;  // null for a flag
    const char* help;
    // The value is a text the installation keeps (a name, a value of a program file, a field
    // title): typed in UTF-8, it is taken as the code page's bytes (terminal_text.h).
    bool storedText = false;
};
inline constexpr bool kStoredText = true;

class CommandLine {
  public:
    // Parses args against the options; throws UsageError for an unknown option, a missing value
    // or a positional count outside minPositional..maxPositional, and BadTextError for a stored
    // text the installation's code page cannot hold.
    CommandLine(const std::vector<std::string>& args, const std::vector<OptionSpec>& options,
                int minPositional, int maxPositional);

    bool has(const std::string& name) const { return values_.count(name) != 0; }
    // The option's value; throws UsageError when it was not given.
    const std::string& value(const std::string& name) const;
    std::string valueOr(const std::string& name, const std::string& fallback) const;
    // The option's value as a whole number within low..high; throws UsageError otherwise.
    int number(const std::string& name, int low, int high) const;
    int numberOr(const std::string& name, int fallback, int low, int high) const;
    const std::vector<std::string>& positional() const { return positional_; }

  private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
};

// A whole decimal number within low..high; throws UsageError naming what it is otherwise.
int parseNumber(const std::string& text, const std::string& what, int low, int high);

// "A-B" or "A" as a range of whole numbers within low..high.
struct NumberRange {
    int first = 0;
    int last = 0;
};
NumberRange parseRange(const std::string& text, const std::string& what, int low, int high);

}  // namespace tk73cli
