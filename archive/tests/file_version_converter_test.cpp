// Program files received in an older format version are brought up to the templates' versions,
// the set menu file of registers with its records converted.

#include "archive/file_version_converter.h"

#include <filesystem>

#include "archive/testing/archive_fixture.h"
#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "platform/api.h"

namespace archivetest {
namespace {

using Files = std::map<std::string, std::string>;

std::string registerFolder(const std::string& ident) {
    char folder[TK73_MAX_PATH] = {};
    AecrbsGetTK73RegisterPath(folder);
    return std::string(folder) + "/" + ident;
}

std::string withVersion(std::string text, const char* version) {
    text.replace(61, 2, version);
    return text;
}

class FileVersionConverter : public ArchiveTest {
  protected:
    // A store of the model made the desktop's current one.
    Store currentStore(int regModelNo, int vekModelNo = 0) {
        const Store store = makeStore(regModelNo, vekModelNo);
        const std::string number = std::to_string(store.number);
        EXPECT_EQ(AecrbsSetDesktopRegister("1", number.c_str(), "999"), 1);
        return store;
    }
    // The store's set menu file replaced by the version-0 sample the installation ships.
    std::string receiveOldSetMenu(const Store& store) {
        const std::string old = read(registerFolder(store.ident) + "/OLDVERSION/FILE028P.TXT");
        write(store.mainte + "/FILE028P.TXT", old);
        return old;
    }
};

TEST_F(FileVersionConverter, ConvertsTheOldSetMenuOfEitherWidthToTheShippedLayout) {
    // KR301's version 0 kept four digits per entry (60 characters), KR420's six (90).
    for (int model : {kKR301, kKR420}) {
        SCOPED_TRACE(model);
        const Store store = currentStore(model);
        const std::string current = read(store.mainte + "/FILE028P.TXT");
        receiveOldSetMenu(store);
        // Another file received in an older version is only stamped.
        const std::string plu = read(store.mainte + "/FILE004P.TXT");
        write(store.mainte + "/FILE004P.TXT", withVersion(plu, "00"));
        Files before = StagedInstallation::programFiles(store.mainte);

        CTK73packFileVersionConverter converter(0);
        ASSERT_EQ(converter.UpdateFileVersion(), 1);

        Files after = StagedInstallation::programFiles(store.mainte);
        // The template of the set menu is the version-0 sample converted, byte for byte.
        EXPECT_EQ(after["FILE028P.TXT"], current);
        EXPECT_EQ(after["FILE004P.TXT"], plu);
        before.erase("FILE028P.TXT");
        before.erase("FILE004P.TXT");
        after.erase("FILE028P.TXT");
        after.erase("FILE004P.TXT");
        EXPECT_EQ(after, before);
        char temp[TK73_MAX_PATH] = {};
        ASSERT_EQ(AecrbsGetTempPath(temp), 1);
        EXPECT_FALSE(std::filesystem::exists(std::string(temp) + "/FILE028P.TXT"));
    }
}

TEST_F(FileVersionConverter, GroupsGainTheirFlagsAndRecordsBeyondTheNamedOnesGetMadeUpNames) {
    const Store store = currentStore(kKR301);
    std::string old = receiveOldSetMenu(store);
    // Entries 0001 and 0012, then empty groups.
    const size_t record = old.find("00001,");
    old.replace(record + 23, 12, "000100120000");
    write(store.mainte + "/FILE028P.TXT", old);
    // The current definition names only the first two sets.
    std::string definition = read(store.definition);
    for (const char* item : {"ITEM_001_MEMORY=INDEX,1,20", "ITEM_002_MEMORY=INDEX,1,20"}) {
        const size_t at = definition.find(item, definition.find("[PGM_MENU_027]"));
        ASSERT_NE(at, std::string::npos);
        definition.replace(at, std::string(item).size(), std::string(item, 22) + "1,2");
    }
    write(store.definition, definition);

    CTK73packFileVersionConverter converter(store.definition.c_str(), store.mainte.c_str(),
                                            store.ident.c_str(), 0);
    ASSERT_EQ(converter.UpdateFileVersion(28), 1);
    const std::string converted = read(store.mainte + "/FILE028P.TXT");
    EXPECT_EQ(
        CTK73packFileVersionConverter::GetFileVersion((store.mainte + "/FILE028P.TXT").c_str()), 1);
    EXPECT_NE(converted.find("00001,\"Breakfast    \",\"000104001204000000" + std::string(72, '0') +
                             "\"\r\n"),
              std::string::npos);
    EXPECT_NE(converted.find("\r\n00002,\"Lunch deal   \","), std::string::npos);
    EXPECT_NE(converted.find("\r\n00003,\"Set03        \","), std::string::npos);
    EXPECT_NE(converted.find("\r\n00020,\"Set20        \","), std::string::npos);
    // Every line ends with CR LF.
    size_t lineEnds = 0;
    for (size_t at = converted.find('\n'); at != std::string::npos;
         at = converted.find('\n', at + 1)) {
        EXPECT_EQ(converted[at - 1], '\r') << at;
        ++lineEnds;
    }
    EXPECT_EQ(lineEnds, 23u);
}

TEST_F(FileVersionConverter, AnOldSetMenuThatCannotBeConvertedStaysAsItWasAndFailsTheUpdate) {
    const Store store = currentStore(kKR301);
    const std::string oldDefinition =
        registerFolder(store.ident) + "/OLDVERSION/" + store.ident + "Ver00.INI";
    const std::string definition = read(oldDefinition);
    const std::string plu = read(store.mainte + "/FILE004P.TXT");
    write(store.mainte + "/FILE004P.TXT", withVersion(plu, "00"));

    // A width version 0 never had, then no version-0 definition at all.
    std::string narrow = definition;
    narrow.replace(narrow.find("ITEM_001=CHAR,D1,60"), 19, "ITEM_001=CHAR,D1,48");
    for (const std::string& bytes : {narrow, std::string()}) {
        const std::string old = receiveOldSetMenu(store);
        if (bytes.empty()) {
            std::filesystem::remove(oldDefinition);
        } else {
            write(oldDefinition, bytes);
        }
        CTK73packFileVersionConverter converter(0);
        EXPECT_EQ(converter.UpdateFileVersion(), 0);
        EXPECT_EQ(read(store.mainte + "/FILE028P.TXT"), old);
        // The other files are still brought up to date.
        EXPECT_EQ(read(store.mainte + "/FILE004P.TXT"), plu);
        write(store.mainte + "/FILE004P.TXT", withVersion(plu, "00"));
    }
}

TEST_F(FileVersionConverter, FilesWithoutAComparableVersionAndControllerSetMenusAreOnlyStamped) {
    const Store store = currentStore(kKR301, kVK500);
    const std::string vekMainte = StagedInstallation::mainteFolder(store.number, 1);
    const std::string vekSetMenu = read(vekMainte + "/FILE028P.TXT");
    write(vekMainte + "/FILE028P.TXT", withVersion(vekSetMenu, "00"));
    CTK73packFileVersionConverter vek(1);
    EXPECT_EQ(vek.UpdateFileVersion(28), 1);
    EXPECT_EQ(read(vekMainte + "/FILE028P.TXT"), vekSetMenu);

    // One line only, a version field that is no number, and a file of the same version with
    // other contents: all left alone and counted as done.
    CTK73packFileVersionConverter reg(0);
    const std::string clerks = store.mainte + "/FILE005P.TXT";
    const std::string text = read(clerks);
    for (const std::string& bytes :
         {text.substr(0, 16), withVersion(text, "x1"), text + "99999,\"extra\"\r\n"}) {
        write(clerks, bytes);
        EXPECT_EQ(reg.UpdateFileVersion(5), 1);
        EXPECT_EQ(read(clerks), bytes);
    }
    EXPECT_EQ(CTK73packFileVersionConverter::GetFileVersion(install_.path("none.txt").c_str()), -1);
    EXPECT_EQ(CTK73packFileVersionConverter::SetFileVersion(clerks.c_str(), 7), 1);
    EXPECT_EQ(CTK73packFileVersionConverter::GetFileVersion(clerks.c_str()), 7);

    // The header read from one file goes over another's start, at most 129 bytes of it; the
    // rest of the file stays and a header never makes a file longer.
    std::string header;
    ASSERT_EQ(CTK73packFileVersionConverter::GetHeaderString(clerks.c_str(), header), 1);
    ASSERT_EQ(header.size(), 130u);
    const std::string other = install_.path("other.txt");
    const std::string otherBytes = std::string(200, 'x');
    write(other, otherBytes);
    EXPECT_EQ(CTK73packFileVersionConverter::SetHeaderString(other.c_str(), header), 1);
    EXPECT_EQ(read(other), header.substr(0, 129) + otherBytes.substr(129));
    EXPECT_EQ(CTK73packFileVersionConverter::GetFileVersion(other.c_str()), 7);
    write(other, "short");
    EXPECT_EQ(CTK73packFileVersionConverter::SetHeaderString(other.c_str(), header), 0);
    EXPECT_EQ(read(other), "short");
    EXPECT_EQ(CTK73packFileVersionConverter::SetHeaderString(other.c_str(), "SHO"), 1);
    EXPECT_EQ(read(other), "SHOrt");
    EXPECT_EQ(
        CTK73packFileVersionConverter::SetHeaderString(install_.path("none.txt").c_str(), "x"), 0);
}

}  // namespace
}  // namespace archivetest
