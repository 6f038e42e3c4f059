// Archives made from a store's program files and opened into another store.

#include <filesystem>

#include "archive/archive_files.h"
#include "archive/pack_archive.h"
#include "archive/testing/archive_fixture.h"
#include "base/install_folders.h"

namespace archivetest {
namespace {

using Files = std::map<std::string, std::string>;

// The lines of a text from line first (1-based) to line last.
std::string lines(const std::string& text, int first, int last) {
    size_t from = 0;
    for (int line = 1; line < first; ++line) {
        from = text.find('\n', from) + 1;
    }
    size_t to = from;
    for (int line = first; line <= last; ++line) {
        to = text.find('\n', to) + 1;
    }
    return text.substr(from, to - from);
}

std::string firstLine(const std::string& file) {
    const std::string text = tk73test::TempEnvironment::readFile(file);
    return text.substr(0, text.find('\n') + 1);
}

class CrpArchive : public ArchiveTest {};

TEST_F(CrpArchive, OpensAsAnotherStoreWithByteIdenticalProgramFilesAndLeavesNothingBehind) {
    for (int model : {kKR301, kKR420}) {
        SCOPED_TRACE(model);
        const Store source = makeStore(model);
        const std::string plu = source.mainte + "/FILE004P.TXT";
        std::string edited = read(plu);
        edited.replace(edited.find("Sourdough loaf  "), 16, "Country loaf    ");
        write(plu, edited);
        const std::string crp = install_.path("card/KELVO/AUTOPGM/" + source.ident + ".092");
        {
            CTK73packArchive archive(source.definition.c_str(), source.mainte.c_str(), 0);
            archive.SetMdlCode("3692");
            ASSERT_EQ(archive.PackCrpFile(crp.c_str(), source.ident.c_str(), -1), 1);
        }
        uint8_t machineId = 0;
        EXPECT_EQ(CTK73packArchive().GetNextMacID(crp.c_str(), &machineId), 1);
        EXPECT_EQ(machineId, model == kKR301 ? 49 : 321 % 256);

        const Store target = makeStore(model);
        std::filesystem::remove(target.mainte + "/FILE005P.TXT");
        write(target.mainte + "/FILE006P.TXT", "damaged");
        const std::string definition = read(target.definition);
        {
            CTK73packArchive archive(target.definition.c_str(), target.mainte.c_str(), 0);
            ASSERT_EQ(archive.UnPackCrpFile(crp.c_str()), 1);
        }
        EXPECT_EQ(StagedInstallation::folderFiles(target.mainte),
                  StagedInstallation::folderFiles(source.mainte));
        EXPECT_EQ(read(target.definition), definition);
    }
    char temp[TK73_MAX_PATH] = {};
    ASSERT_EQ(AecrbsGetTempPath(temp), 1);
    EXPECT_TRUE(StagedInstallation::folderFiles(temp).empty());
    char dataBase[TK73_MAX_PATH] = {};
    ASSERT_EQ(AecrbsGetTK73DataBasePath(dataBase), 1);
    EXPECT_FALSE(std::filesystem::exists(std::string(dataBase) + "ECR.LOG"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(CrpArchive, CarriesTheControllersPartAfterTheRegistersAndEachOpensOnItsOwn) {
    const Store source = makeStore(kKR301, kVK500);
    const std::string vekDefinition = StagedInstallation::definitionFile(source.number, "VK500", 1);
    const std::string vekMainte = StagedInstallation::mainteFolder(source.number, 1);
    const std::string crp = install_.path("card/shop.crp");
    CTK73packArchive archive(source.definition.c_str(), source.mainte.c_str(), 0);
    ASSERT_EQ(archive.PackCrpFile(crp.c_str(), source.ident.c_str(), -1), 1);
    const std::string registerPart = read(crp);

    CTK73packArchive controller(vekDefinition.c_str(), vekMainte.c_str(), 1);
    CRPMODELDATA model{};
    ASSERT_EQ(controller.GetVekModelFromModelNo(kVK500, &model), 1);
    EXPECT_EQ(std::string(model.rmCode), "VK5000");
    EXPECT_EQ(std::string(model.indentName), "VK500");
    CRPMODELDATA byId{};
    ASSERT_EQ(controller.GetVekModelFromIDCode(80, &byId), 1);
    EXPECT_EQ(byId.modelNo, kVK500);
    EXPECT_EQ(controller.GetVekModelFromModelNo(kKR301, &model), 0);
    EXPECT_EQ(archive.AppendDivIDRec(crp.c_str(), static_cast<uint8_t>(model.idCode)), 1);
    const std::string bin = tk73pack::tempFile("PgmFile.bin");
    ASSERT_EQ(controller.PackBinFile(bin.c_str(), "", -1), 1);
    const std::string controllerPart = read(bin);
    ASSERT_EQ(archive.AppendFile(crp.c_str(), bin.c_str()), 1);
    ASSERT_EQ(read(crp), registerPart + controllerPart);
    EXPECT_EQ(archive.GetDivIDRecOffset(crp.c_str()), 0u);
    EXPECT_EQ(archive.AnalyzeDivIDRecOffset(crp.c_str(), 80), 0u);

    const Store target = makeStore(kKR301, kVK500);
    CTK73packArchive opened(target.definition.c_str(), target.mainte.c_str(), 0);
    ASSERT_EQ(opened.UnPackCrpFile(crp.c_str()), 1);
    EXPECT_EQ(StagedInstallation::programFiles(target.mainte),
              StagedInstallation::programFiles(source.mainte));

    // The controller's part, cut off behind the register's, opens into the controller's folder.
    const std::string top = install_.path("top.bin");
    ASSERT_EQ(archive.DivFileFromTop(crp.c_str(), registerPart.size(), top.c_str()), 1);
    EXPECT_EQ(read(top), registerPart);
    EXPECT_EQ(archive.DivFileFromNext(crp.c_str(), registerPart.size(), top.c_str()), 0);
    const std::string part = install_.path("controller.bin");
    write(part, read(crp).substr(registerPart.size()));
    const std::string targetVek = StagedInstallation::mainteFolder(target.number, 1);
    std::filesystem::remove(targetVek + "/FILE025P.TXT");
    CTK73packArchive targetController(
        StagedInstallation::definitionFile(target.number, "VK500", 1).c_str(), targetVek.c_str(),
        1);
    ASSERT_EQ(targetController.UnPackBinFile(part.c_str(), -1), 1);
    EXPECT_EQ(StagedInstallation::programFiles(targetVek),
              StagedInstallation::programFiles(vekMainte));
    EXPECT_TRUE(std::filesystem::exists(part)) << "a caller's binary file is its own";
}

TEST_F(CrpArchive, PartialPluArchiveHoldsExactlyTheChosenRecordsAndEveryOtherFileWhole) {
    const Store source = makeStore(kKR301);
    const std::string crz = install_.path("card/part.crz");
    CTK73packArchive archive(source.definition.c_str(), source.mainte.c_str(), 0);
    ASSERT_EQ(archive.PackCrzFile(crz.c_str(), source.ident.c_str(), 10, 20), 1);
    EXPECT_EQ(firstLine(tk73pack::tempFile("PgmFile.txt")), "\"C\",\"n:P0092:\"\r\n");

    const std::string opened = install_.path("opened");
    std::filesystem::create_directories(opened);
    CTK73packArchive reader(source.definition.c_str(), opened.c_str(), 0);
    ASSERT_EQ(reader.UnPackCrpFile(crz.c_str()), 1);
    Files expected = StagedInstallation::programFiles(source.mainte);
    expected.erase("FILE090P.TXT");  // the data file is not archived
    const std::string plu = expected["FILE004P.TXT"];
    expected["FILE004P.TXT"] = lines(plu, 1, 3) + lines(plu, 13, 23);
    EXPECT_EQ(StagedInstallation::programFiles(opened), expected);
    EXPECT_NE(expected["FILE004P.TXT"].find("\r\n000010,"), std::string::npos);

    // The title line names the file of a single-file pack, 092 for several files.
    ASSERT_EQ(archive.CreatePackTextFile(4, 0, 0), 1);
    EXPECT_EQ(firstLine(tk73pack::tempFile("PgmFile.txt")), "\"C\",\"n:P0004:\"\r\n");
    EXPECT_EQ(read(tk73pack::tempFile("PgmFile.txt")).substr(16), plu.substr(16));
    ASSERT_EQ(archive.CreatePackTextFile(-1, 0, 0), 1);
    EXPECT_EQ(firstLine(tk73pack::tempFile("PgmFile.txt")), "\"C\",\"n:P0092:\"\r\n");
    // A program file with nothing but its title line cannot be packed.
    write(source.mainte + "/FILE005P.TXT", "\"C\",\"n:P0005:\"\r\n");
    EXPECT_EQ(archive.PackCrzFile(crz.c_str(), source.ident.c_str(), 10, 20), 0);
    EXPECT_EQ(archive.CreatePackTextFile(5, 0, 0), 0);
}

TEST_F(CrpArchive, PluCodesMarkedUnsetComeBackAsZeros) {
    const Store store = makeStore(kKR301);
    const std::string plu = store.mainte + "/FILE004P.TXT";
    const std::string original = read(plu);
    std::string marked = original;
    marked.replace(marked.find("04012300000211"), 14, "EEEEEEEEEEEEEE");
    write(plu, marked);
    const std::string bin = install_.path("plu.bin");
    CTK73packArchive archive(store.definition.c_str(), store.mainte.c_str(), 0);
    ASSERT_EQ(archive.PackBinFile(bin.c_str(), "", 4), 1);
    const std::string departments = install_.path("departments.bin");
    ASSERT_EQ(archive.PackBinFile(departments.c_str(), "", 5), 1);
    ASSERT_EQ(archive.UnPackBinFile(departments.c_str(), 5), 1);
    EXPECT_EQ(read(plu), marked) << "only after the PLU file or all files";
    // The PLU file's binary file is no file 5: refused, and nothing written.
    EXPECT_EQ(archive.UnPackBinFile(bin.c_str(), 5), 0);
    EXPECT_EQ(read(plu), marked);
    ASSERT_EQ(archive.UnPackBinFile(bin.c_str(), 4), 1);
    std::string zeros = original;
    zeros.replace(zeros.find("04012300000211"), 14, "00000000000000");
    EXPECT_EQ(read(plu), zeros);
}

}  // namespace
}  // namespace archivetest
