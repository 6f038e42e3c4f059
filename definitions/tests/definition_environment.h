#pragma once
// A private installation for the definition tests: the machine settings point the register,
// Vek, install and database folders into a temporary folder, where the tests write their own
// definition files and "TK73TOOL.ini".

#include <cstdint>
#include <string>

#include "tests/support/temp_environment.h"

namespace deftest {

class DefinitionEnvironment {
  public:
    explicit DefinitionEnvironment(uint32_t userMode = 1);

    void setUserMode(uint32_t mode);

    // The shipped definition of a model: <definition folder>/<name>/<name>.INI.
    std::string defaultFile(const std::string& name, int kind = 0) const;
    std::string writeDefault(const std::string& name, const std::string& text, int kind = 0);
    // The store's working copy: <database>/S%03d/M001|O001/<name>.INI.
    std::string storeFile(const std::string& name, int storeNo, int kind = 0) const;
    std::string writeStore(const std::string& name, int storeNo, const std::string& text,
                           int kind = 0);
    // A definition file anywhere below the temporary folder.
    std::string writeFile(const std::string& relative, const std::string& text);
    std::string writeSettings(const std::string& text);

    std::string read(const std::string& path) const;
    bool exists(const std::string& path) const;
    const tk73test::TempEnvironment& temp() const { return temp_; }

  private:
    std::string dataBaseFolder() const;

    tk73test::TempEnvironment temp_;
    uint32_t userMode_;
};

// "[section]\r\nkey=value\r\n..." from lines separated by '\n', as the shipped files are written.
std::string crlf(const std::string& lines);

}  // namespace deftest
