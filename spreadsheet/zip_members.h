#pragma once
// The members of a zip file, read whole by name: the container of .xlsx and .ods files.

#include <optional>
#include <string>

struct zip;

namespace tk73sheet {

class ZipMembers {
  public:
    // Opens the zip file; ok() tells whether it is one.
    explicit ZipMembers(const std::string& path);
    ~ZipMembers();
    ZipMembers(const ZipMembers&) = delete;
    ZipMembers& operator=(const ZipMembers&) = delete;

    bool ok() const { return archive_ != nullptr; }
    // The member's bytes; nullopt when there is no such member, it cannot be inflated or it is
    // larger than a spreadsheet member can reasonably be (a damaged or hostile file).
    std::optional<std::string> read(const std::string& name) const;

  private:
    ::zip* archive_ = nullptr;
};

}  // namespace tk73sheet
