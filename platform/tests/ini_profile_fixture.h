#pragma once
// A profile file in a private temporary folder, and the profile functions called on it with
// their results captured.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ini_profile.h"
#include "tests/support/temp_environment.h"

class IniProfileTest : public ::testing::Test {
  protected:
    struct Read {
        uint32_t result = 0;
        std::string bytes;  // the buffer up to its last written byte
    };

    void write(const std::string& bytes) { tk73test::TempEnvironment::writeFile(file_, bytes); }
    std::string contents() const { return tk73test::TempEnvironment::readFile(file_); }

    // The buffer after the call, up to and including the NUL that ends the text.
    Read get(const char* section, const char* key, const char* defaultValue = "",
             uint32_t size = 256) const {
        std::vector<char> buffer(size + 1, '#');
        Read read;
        read.result =
            tk73_GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), size, path());
        read.bytes.assign(buffer.data(), size);
        read.bytes.resize(read.bytes.find('\0') + 1);
        EXPECT_EQ(buffer[size], '#') << "written past the buffer";
        return read;
    }

    // A list (null key: the section's keys; null section: the section names), the buffer up to
    // and including the two NULs that end it.
    Read list(const char* section, uint32_t size = 4096) const {
        std::vector<char> buffer(size + 1, '#');
        Read read;
        read.result =
            tk73_GetPrivateProfileStringA(section, nullptr, "", buffer.data(), size, path());
        const std::string all(buffer.data(), size);
        read.bytes = all.substr(0, all.find(std::string(2, '\0')) + 2);
        EXPECT_EQ(buffer[size], '#') << "written past the buffer";
        return read;
    }

    std::string value(const char* section, const char* key) const {
        const Read read = get(section, key, "<none>");
        return read.bytes.substr(0, read.result);
    }

    int set(const char* section, const char* key, const char* value) {
        return tk73_WritePrivateProfileStringA(section, key, value, path());
    }

    const char* path() const { return file_.c_str(); }

    tk73test::TempEnvironment env_;
    std::string file_ = env_.path("setting.ini");
};

inline std::string nulList(std::initializer_list<std::string> names) {
    std::string bytes;
    for (const auto& name : names) {
        bytes += name;
        bytes += '\0';
    }
    bytes += '\0';
    if (bytes.size() == 1) {
        bytes += '\0';
    }
    return bytes;
}
