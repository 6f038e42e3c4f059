#pragma once
// Read access to one INI file through the platform's private-profile functions, so the checker
// reads every definition exactly as the suite does.

#include <optional>
#include <string>
#include <vector>

namespace tk73tools {

class Profile {
  public:
    // path: the file to read; label: how findings name it (relative to the installation).
    Profile(std::string path, std::string label);

    const std::string& path() const { return path_; }
    const std::string& label() const { return label_; }

    // The value of a key, quotes removed as the profile functions do; nothing when missing.
    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    // The value, or the empty text when missing.
    std::string text(const std::string& section, const std::string& key) const;
    bool has(const std::string& section, const std::string& key) const;
    // Key names of a section in file order; section names of the file in file order.
    std::vector<std::string> keys(const std::string& section) const;
    std::vector<std::string> sections() const;

  private:
    std::vector<std::string> list(const char* section) const;

    std::string path_;
    std::string label_;
};

}  // namespace tk73tools
