#pragma once
// General routines of the definition library: INI values and key lists, comma lists in a value,
// and folders. The object holds nothing; every INI operation takes the file's path.

#include <cstdint>
#include <string>
#include <vector>

class CCtrlCmn {
  public:
    // out is emptied, then gets the value (at most 2047 characters); 0 when the key is missing
    // or its value empty.
    [[nodiscard]] static int GetIniFileString(const char* file, const char* section,
                                              const char* key, std::string& out);
    // *out is 0, then the decimal value of the text when there is one; same result as above.
    [[nodiscard]] static int GetIniFileValue(const char* file, const char* section, const char* key,
                                             int* out);
    [[nodiscard]] static int SetIniFileString(const char* file, const char* section,
                                              const char* key, const std::string& value);
    [[nodiscard]] static int SetIniFileValue(const char* file, const char* section, const char* key,
                                             int value);
    // Removes the key, or the whole section when key is null.
    [[nodiscard]] static int DelScrOrKeyIniFile(const char* file, const char* section,
                                                const char* key);
    // Every key name of the section in file order, empty names dropped. Big sections are read
    // again into larger buffers, up to 102400 bytes. Returns the number of names.
    static int GetIniFileKeyList(const char* file, const char* section,
                                 std::vector<std::string>& out);

    // Splits at every occurrence of the delimiter's first character, with no quoting and no
    // trimming; out always receives at least one element. Returns the number of elements.
    static int DivideString(const std::string& text, const char* delimiter,
                            std::vector<std::string>& out);
    static int DivCSVString(const std::string& text, std::vector<std::string>& out);
    static int DivCSVDWord(const std::string& text, std::vector<uint32_t>& out);
    // Each piece keeps the low 16 bits of its decimal value.
    static int DivCSVWord(const std::string& text, std::vector<uint16_t>& out);

    // Appends the value as "%d", then "," when addComma is nonzero.
    static void CmbCSVAddVal(int value, std::string& text, int addComma);
    static void CmbCSVAddStr(const std::string& piece, std::string& text, int addComma);
    // The values joined by ",", no trailing comma. Double words are written signed ("%d"), so
    // that what DivCSVDWord read ("-1") is written back the same way.
    static void CmbCSVDWord(const std::vector<uint32_t>* values, std::string& out);
    static void CmbCSVWord(const std::vector<uint16_t>* values, std::string& out);
    [[nodiscard]] static int ChechValInArray(const std::vector<uint32_t>* values,
                                             unsigned long value);
    [[nodiscard]] static int ChechValInArray(const std::vector<uint16_t>* values,
                                             unsigned short value);

    // Everything before the last separator (either kind); empty when there is none.
    static void GetFolderFromFullPath(const char* path, std::string& out);
    // The current working folder when the named file exists there, otherwise the folder of the
    // running program; 0 only when the program's own path cannot be had.
    [[nodiscard]] static int GetExistFilePath(const char* file, std::string& out);
    // 1 when the path (trailing separators ignored) is an existing folder.
    [[nodiscard]] static int CheckExistDir(const std::string& path);
    // Creates every missing folder of the path from the top down; 0 when a creation fails.
    [[nodiscard]] static int CreateOneDir(const std::string& path);
};
