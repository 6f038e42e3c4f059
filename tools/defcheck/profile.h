#pragma once
// Read access to one INI file through the platform's private-profile functions. The checker
// never writes, so each section is read from the file once, whole, and its keys looked up with
// the profile rules: names compared without regard to letter case, the first occurrence wins,
// one pair of matching surrounding quotes removed from a value.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tk73tools {

class Profile {
  public:
    // path: the file to read; label: how findings name it (relative to the installation).
    Profile(std::string path, std::string label);

    const std::string& path() const { return path_; }
    const std::string& label() const { return label_; }

    // The value of a key; nothing when missing.
    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    // The value, or the empty text when missing.
    std::string text(const std::string& section, const std::string& key) const;
    bool has(const std::string& section, const std::string& key) const;
    // Key names of a section in file order; section names of the file in file order.
    std::vector<std::string> keys(const std::string& section) const;
    std::vector<std::string> sections() const;

  private:
    using Section = std::vector<std::pair<std::string, std::string>>;
    const Section& section(const std::string& name) const;

    std::string path_;
    std::string label_;
    mutable std::map<std::string, Section> sections_;  // by upper-case name
};

}  // namespace tk73tools
