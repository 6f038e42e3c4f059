#pragma once
// One problem the definition checker found, named by the file, section and key that hold it.

#include <string>
#include <vector>

namespace tk73tools {

struct Finding {
    std::string file;     // relative to the installation folder, forward slashes
    std::string section;  // INI section, or the part of a program file ("record 12")
    std::string key;      // INI key, or the field of a record ("field 3")
    std::string problem;
};

// "file: [section] key: problem", leaving out the parts that are empty.
std::string describe(const Finding& finding);

class Findings {
  public:
    void add(std::string file, std::string section, std::string key, std::string problem);
    const std::vector<Finding>& all() const { return list_; }
    bool empty() const { return list_.empty(); }
    size_t size() const { return list_.size(); }

  private:
    std::vector<Finding> list_;
};

}  // namespace tk73tools
