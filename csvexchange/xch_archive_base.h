#pragma once
// The packer interface: what a CSV import calls to turn a program file it has just replaced into
// the register's binary file. The archive library's packer derives from it; this base form only
// stands for "no packer of the archive library was given" and says so when used.

class CTK73xchArchiveBase {
  public:
    CTK73xchArchiveBase() = default;
    CTK73xchArchiveBase(const CTK73xchArchiveBase&) = default;
    CTK73xchArchiveBase(const char* first, const char* second) {}
    CTK73xchArchiveBase& operator=(const CTK73xchArchiveBase&) = default;
    virtual ~CTK73xchArchiveBase() = default;

    // Packs the program file fileNo into outputFile; nonzero on success. The base form throws a
    // std::logic_error with the text "You must not use this function. Please use
    // TK73packArchive Class.".
    [[nodiscard]] virtual int PackBinFile(const char* outputFile, const char* text, int fileNo);
};
