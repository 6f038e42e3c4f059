#pragma once
// The line protocol between a test and the agent inside a program of the suite (agent/): one
// request line, one answer line. A line is fields separated by tabs; a backslash, tab or line
// break inside a field is written "\\", "\t" or "\n". An answer's first field is "ok" or
// "error", the rest its values (or the error's text).

#include <string>
#include <vector>

namespace tk73test {

std::string encodeFields(const std::vector<std::string>& fields);
std::vector<std::string> decodeFields(const std::string& line);

// Where the agent of the program with this process id listens, in the agent folder.
std::string agentSocket(const std::string& folder, unsigned long pid);

}  // namespace tk73test
