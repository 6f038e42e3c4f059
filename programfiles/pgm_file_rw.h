#pragma once
// A whole text program file in memory: its layout (header lines, record line length, record
// count, field count) and its bytes, which callers change in place and write back.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class CTK73pgmPgmFileRW {
  public:
    explicit CTK73pgmPgmFileRW(const char* path);

    // Reads the file and works out its layout; 1 on success. 0 at once when contents are held
    // already, and 0 (nothing held) for a file without a record line or one that cannot be read.
    [[nodiscard]] int ReadPgmFile();
    // Writes the held contents (file size bytes) back to the path, replacing the file.
    [[nodiscard]] int WritePgmFile();

    int m_nFileSize = 0;
    int m_nHeaderLines = 0;
    int m_nRecordCount = 0;
    // Byte offset of the first record line.
    int m_nHeaderLength = 0;
    // Bytes of one record line, CR LF included.
    int m_nRecordLength = 0;
    // Tokens of a record line, the record number counted as one.
    int m_nFieldCount = 0;
    // Digits of the record number: 6, 5 or 4.
    int m_nNumberWidth = 0;
    // File size + 1 bytes, the last a NUL; null while nothing is held.
    std::unique_ptr<char[]> m_pContents;
    // At most 260 characters; a longer path is neither read nor written.
    std::string m_path;

  private:
    [[nodiscard]] int FindLayout();
    int CountRecords() const;
    void Clear();
    // Offset of the first occurrence of pattern in text, or -1 (as unsigned).
    static size_t SearchString(std::string_view text, std::string_view pattern);
};
