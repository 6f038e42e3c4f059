#pragma once
// A private folder for one test: the known folders and both registry hives point into it while
// the object lives, so no test reads or writes the real user's settings or documents.

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace tk73test {

class TempEnvironment {
  public:
    TempEnvironment();
    ~TempEnvironment();
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

    const std::filesystem::path& root() const { return root_; }
    // A path below the root as text with forward slashes.
    std::string path(const std::string& relative) const;

    static void writeFile(const std::filesystem::path& file, const std::string& bytes);
    static std::string readFile(const std::filesystem::path& file);

  private:
    void setVariable(const char* name, const std::string& value);

    std::filesystem::path root_;
    std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace tk73test
