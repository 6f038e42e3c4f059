#pragma once
// "ECR.LOG" in the current folder: every call leaves what it did, or why it failed, there. The
// suite deletes it after a successful call, so a log that stays tells of the last failure.

#include <string>

namespace glconv {

void writeConversionLog(const std::string& command, int result, const std::string& detail);

}  // namespace glconv
