#include "platform/registry_export.h"

#include <gtest/gtest.h>

#include "tests/support/temp_environment.h"

namespace {

constexpr const char* kRoot = "HKEY_CURRENT_USER";

const std::string kExport =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM]\r\n"
    "\"CURRENTSTORE\"=\"001\"\r\n"
    "\"MAINHWND\"=dword:00001F2A\r\n"
    "\"SDCARD_DRV\"=\"E:\\\\ \\\"card\\\"\"\r\n"
    "@=\"default\"\r\n"
    "\r\n"
    "; the data editor's window\r\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM\\TK73EDIT]\r\n"
    "\"ZOOM\"=dword:00000064\r\n";

std::optional<tk73::RegistryDocument> parse(const std::string& text) {
    return tk73::parseRegistryExport(text, kRoot);
}

}  // namespace

TEST(RegistryExport, ReadsValuesOfBothTypesWithEscapes) {
    tk73test::TempEnvironment environment;
    const auto document = parse(kExport);
    ASSERT_TRUE(document);
    const char* system = "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM";
    const tk73::RegistryValue* store = document->findValue(system, "currentstore");
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->type, tk73::RegistryValue::Type::String);
    EXPECT_EQ(store->text, "001");
    const tk73::RegistryValue* handle = document->findValue(system, "MAINHWND");
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->type, tk73::RegistryValue::Type::Dword);
    EXPECT_EQ(handle->dword, 0x1F2Au);
    EXPECT_EQ(document->findValue(system, "SDCARD_DRV")->text, "E:\\ \"card\"");
    EXPECT_EQ(document->findValue(system, "")->text, "default");
    EXPECT_EQ(document->findValue("software\\kelvo\\tk73tool\\system\\tk73edit", "Zoom")->dword,
              100u);
    EXPECT_TRUE(document->hasKey("SOFTWARE\\KELVO"));
    EXPECT_FALSE(document->hasKey("SOFTWARE\\KEL"));
}

TEST(RegistryExport, FormatReadsBackTheSameValues) {
    tk73test::TempEnvironment environment;
    const auto document = parse(kExport);
    ASSERT_TRUE(document);
    const std::string written = tk73::formatRegistryExport(*document, kRoot);
    const auto again = parse(written);
    ASSERT_TRUE(again);
    EXPECT_EQ(tk73::formatRegistryExport(*again, kRoot), written);
    EXPECT_NE(written.find("\"MAINHWND\"=dword:00001f2a\n"), std::string::npos);
    EXPECT_NE(written.find("\"SDCARD_DRV\"=\"E:\\\\ \\\"card\\\"\"\n"), std::string::npos);
}

TEST(RegistryExport, DamagedTextsAreRefusedWhole) {
    tk73test::TempEnvironment environment;
    const std::string header = "Windows Registry Editor Version 5.00\n\n";
    const std::string key = "[HKEY_CURRENT_USER\\SOFTWARE\\X]\n";
    const std::vector<std::string> damaged = {
        "",
        "REGEDIT4\n\n" + key,
        header + "\"Name\"=\"value outside a key\"\n",
        header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\X]\n",
        header + "[HKEY_CURRENT_USER\\SOFTWARE\\X\n",
        header + "[HKEY_CURRENT_USER\\SOFTWARE\\\\X]\n",
        header + key + "\"Name\"=\"cut off",
        header + key + "\"Name\"=dword:0000",
        header + key + "\"Name\"=dword:0000001g",
        header + key + "\"Name\"=\"bad \\n escape\"\n",
        header + key + "\"Name\"=hex:01,02\n",
        header + key + "\"Name\"=\"text\" trailing\n",
        header + key + "just some words\n",
        std::string("\x00\x01\x02garbage", 10),
    };
    for (const std::string& text : damaged) {
        EXPECT_FALSE(parse(text)) << text;
    }
    EXPECT_TRUE(parse(header));
    EXPECT_TRUE(parse("\xEF\xBB\xBF" + header + key));
}
