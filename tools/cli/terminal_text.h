#pragma once
// The terminal speaks UTF-8; the installation keeps its texts in its code page. Texts typed on
// the command line are converted on their way in, stored texts on their way out, so that a name
// typed as "Café" lands as the code page's bytes and `get` prints what `set` takes.

#include <stdexcept>
#include <string>

namespace tk73cli {

// A text from the command line that cannot become the installation's bytes; main turns it into
// the message and the "bad value" exit code before anything is written.
class BadTextError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The UTF-8 text as bytes of the installation's code page. Throws BadTextError naming the
// character and where it was given (what: "--name") when the text is not UTF-8 or holds a
// character the code page has not: the conversion would store "?" in its place.
std::string InstallationText(const std::string& utf8, const std::string& what);

// Bytes of the installation's code page as UTF-8 for the terminal.
std::string TerminalText(const std::string& bytes);

}  // namespace tk73cli
