#pragma once
// Where the seed generator puts what it makes, and what it reads.

#include <string>

namespace tk73seeds {

// Writes corpus/<target>/<name>; aborts when it cannot.
void writeSeed(const std::string& corpus, const std::string& target, const std::string& name,
               const std::string& bytes);
// The bytes of a file that must be there; aborts when it is not.
std::string readRequired(const std::string& path);

}  // namespace tk73seeds
