// The code-page conversion of character fields, alone and inside archives of an installation
// that switches Arabic text on.

#include <iconv.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "archive/pack_archive.h"
#include "archive/testing/archive_fixture.h"
#include "archive/text_pgm_conv.h"

namespace archivetest {
namespace {

std::string windows1256(const std::string& utf8) {
    const iconv_t convert = iconv_open("WINDOWS-1256", "UTF-8");
    std::string in = utf8;
    std::string out(utf8.size() * 2, '\0');
    char* inAt = in.data();
    size_t inLeft = in.size();
    char* outAt = out.data();
    size_t outLeft = out.size();
    iconv(convert, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(convert);
    out.resize(out.size() - outLeft);
    return out;
}

Record_Information layout(std::initializer_list<std::pair<int, int>> fields) {
    Record_Information info;
    for (const auto& [size, isChar] : fields) {
        RECORD_FIELD_INFO field;
        field.size = size;
        field.isChar = isChar;
        info.fields.push_back(field);
    }
    return info;
}

class ArabicConversion : public ArchiveTest {};

TEST_F(ArabicConversion, FindsRecordsByTheirNumberWidthAndFitsGrownTextsIntoTheirFields) {
    const std::string head = "\"C\",\"n:P0009:\"\r\n\"H\",\"X\"\r\n\"F\",\"FILE009\",\"T\"\r\n";
    for (const char* number : {"00001", "000001"}) {
        Record_Information info = layout({{10, 1}, {2, 0}});
        const std::string text = head + number + ",\"0123456789\",\"0000\"\r\n" + number +
                                 ",\"abcdefghij\",\"0000\"\r\n";
        ASSERT_EQ(CTextPgmConv::GetConvFldInfo(info, text), 1) << number;
        EXPECT_EQ(info.recordNoWidth, static_cast<int>(std::strlen(number)));
        EXPECT_EQ(info.firstRecordOffset, static_cast<int>(head.size()));
        EXPECT_EQ(info.recordCount, 2);
        EXPECT_EQ(info.fields[0].offset, info.recordNoWidth + 2);
        EXPECT_EQ(info.fields[1].offset, info.recordNoWidth + 2 + 10 + 3);
        EXPECT_EQ(info.fields[1].width, 4);
    }
    Record_Information none = layout({{10, 1}});
    EXPECT_EQ(CTextPgmConv::GetConvFldInfo(none, head), 0);

    // Unpacking turns each IBM864 lam-alef ligature (0x9D, 0x9E, 0xF9, 0xFA) into two letters:
    // three ligatures grow the text by three, and two leading blanks are all it can give up.
    const std::string source = install_.path("S_FILE009P.TXT");
    const std::string target = install_.path("FILE009P.TXT");
    write(source, head + "00001,\"  \x9D\x9D\x9D     \",\"0000\"\r\n");
    CTextPgmConv conversion;
    conversion.EnterConvProc(CTextPgmConv::kActive, CTextPgmConv::kToWin1256);
    ASSERT_EQ(conversion.GetFlags(), CTextPgmConv::kActive) << "the library is there";
    conversion.StartConvProc(source, target);
    Record_Information info = layout({{10, 1}, {2, 0}});
    ASSERT_EQ(conversion.ConvCommFile(info), 1);
    EXPECT_EQ(read(target), head + "00001,\"" + windows1256("لالالا") + "    \",\"0000\"\r\n");
    conversion.EndConvProc();
    EXPECT_FALSE(std::filesystem::exists(source));
    EXPECT_TRUE(std::filesystem::exists(target));

    CTextPgmConv off;
    off.EnterConvProc(0, CTextPgmConv::kToIbm864);
    off.StartConvProc(target, source);
    EXPECT_EQ(off.ConvCommFile(info), 0);

    // The target (a controller's file just received is the store's own) is replaced whole: a
    // write that fails half-way, here at a file size limit, leaves it as it was.
    write(source, head + "00001,\"  \x9D\x9D\x9D     \",\"0000\"\r\n");
    write(target, "the store's file as it was");
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        CTextPgmConv cut;
        cut.EnterConvProc(CTextPgmConv::kActive, CTextPgmConv::kToWin1256);
        cut.StartConvProc(source, target);
        ::_exit(cut.ConvCommFile(info) == 0 && read(target) == "the store's file as it was" ? 0
                                                                                            : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST_F(ArabicConversion, ArchiveCarriesIbm864AndOpensBackToTheSameWindows1256Files) {
    install_.switchArabicOn();
    // Old-type ("H") and new-type ("h") files both travel converted and must both come back.
    for (int model : {kKR420, kKR301}) {
        SCOPED_TRACE(model);
        const Store source = makeStore(model);
        const std::string plu = source.mainte + "/FILE004P.TXT";
        std::string text = read(plu);
        const std::string name = windows1256("خبز عربي") + "        ";
        ASSERT_EQ(name.size(), 16u);
        text.replace(text.find("Sourdough loaf  "), 16, name);
        // The sample shop's French names have letters that IBM864 lacks; an Arabic shop has none.
        text.replace(text.find("Caf\xE9"), 4, "Cafe");
        text.replace(text.find("Cr\xE8me br\xFBl\xE9"), 11, "Creme brule");
        write(plu, text);
        const std::string clerks = source.mainte + "/FILE007P.TXT";
        std::string clerkText = read(clerks);
        clerkText.replace(clerkText.find("Chlo\xE9"), 5, "Chloe");
        write(clerks, clerkText);

        const std::string crp = install_.path("card/arabic.092");
        {
            CTK73packArchive archive(source.definition.c_str(), source.mainte.c_str(), 0);
            ASSERT_EQ(archive.PackCrpFile(crp.c_str(), source.ident.c_str(), -1), 1);
            const std::string packed = install_.path("packed.txt");
            const std::string command =
                "R \"" + packed + "\" \"" + crp + "\" -lc -d\"" + source.definition + "\" -T";
            ASSERT_EQ(archive.CallConverterDLL(command.c_str()), 1);
            const std::string pack = read(packed);
            EXPECT_EQ(pack.find(name), std::string::npos) << "the names travel in IBM864";
            EXPECT_NE(pack.find("Rye bread       "), std::string::npos) << "Latin text stays";
        }
        const Store target = makeStore(model);
        {
            CTK73packArchive archive(target.definition.c_str(), target.mainte.c_str(), 0);
            ASSERT_EQ(archive.UnPackCrpFile(crp.c_str()), 1);
        }
        EXPECT_EQ(StagedInstallation::folderFiles(target.mainte),
                  StagedInstallation::folderFiles(source.mainte));
    }
    EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace archivetest
