#include "archive/pack_text_splitter.h"

#include "archive/archive_files.h"
#include "archive/definition_sections.h"

namespace tk73pack {

namespace {

// The file number named by a file line ("F","FILE004",...): "FILE" and three digits at
// positions 5 to 11, then the closing quote; -1 for anything else.
int fileNoOfFileLine(std::string_view line) {
    if (line.size() < 13 || line.substr(5, 4) != "FILE" || line[12] != '"') {
        return -1;
    }
    int fileNo = 0;
    for (char c : line.substr(9, 3)) {
        if (c < '0' || c > '9') {
            return -1;
        }
        fileNo = fileNo * 10 + (c - '0');
    }
    return fileNo;
}

}  // namespace

PackTextSplitter::PackTextSplitter(std::string staging, const CTK73defRegVekFILEINF* layouts,
                                   CTextPgmConv& conversion)
    : staging_(std::move(staging)), layouts_(layouts), conversion_(conversion) {}

bool PackTextSplitter::nextLine(std::string_view& line) {
    if (rest_.empty()) {
        return false;
    }
    const size_t feed = rest_.find('\n');
    const size_t end = feed == std::string_view::npos ? rest_.size() : feed + 1;
    line = rest_.substr(0, end);
    rest_.remove_prefix(end);
    return true;
}

bool PackTextSplitter::split(std::string_view lines) {
    rest_ = lines;
    std::string_view line;
    while (nextLine(line)) {
        const std::string_view kind = line.substr(0, 4);
        bool placed = false;
        if (kind == "\"H\",") {
            placed = oldTypeLine(line);
        } else if (kind == "\"h\",") {
            headerPending_ = true;
            newType_ = true;
            placed = newTypeLine(line);
        } else {
            placed = newType_ ? newTypeLine(line) : oldTypeLine(line);
        }
        if (!placed) {
            return false;
        }
    }
    return close();
}

bool PackTextSplitter::oldTypeLine(std::string_view line) {
    if (line.substr(0, 4) != "\"H\",") {
        return addRecord(line);
    }
    std::string_view fileLine;
    if (!close() || !nextLine(fileLine)) {
        return false;
    }
    header_ = line;
    return open(fileLine);
}

bool PackTextSplitter::newTypeLine(std::string_view line) {
    const std::string_view kind = line.substr(0, 4);
    if (kind != "\"h\"," && kind != "\"f\",") {
        return addRecord(line);
    }
    if (!close()) {
        return false;
    }
    std::string_view fileLine = line;
    if (headerPending_) {
        header_ = line;
        headerPending_ = false;
        if (!nextLine(fileLine)) {
            return false;
        }
    }
    return open(fileLine);
}

bool PackTextSplitter::open(std::string_view fileLine) {
    fileNo_ = fileNoOfFileLine(fileLine);
    if (fileNo_ < 0) {
        return false;
    }
    info_ = Record_Information();
    converted_ = needsConversion(layouts_, fileNo_, info_);
    output_ = titleLine(fileNo_);
    output_ += header_;
    output_ += fileLine;
    records_ = {};
    isOpen_ = true;
    return true;
}

bool PackTextSplitter::addRecord(std::string_view line) {
    if (!isOpen_) {
        return false;
    }
    // Only a line that begins with a quote can start a file, so the lines up to the next such
    // line are records as well: they are taken here rather than one round of split() each.
    size_t run = 0;
    while (run < rest_.size() && rest_[run] != '"') {
        const size_t feed = rest_.find('\n', run);
        run = feed == std::string_view::npos ? rest_.size() : feed + 1;
    }
    const size_t length = line.size() + run;
    records_ = records_.empty() ? std::string_view(line.data(), length)
                                : std::string_view(records_.data(), records_.size() + length);
    rest_.remove_prefix(run);
    return true;
}

bool PackTextSplitter::close() {
    if (!isOpen_) {
        return true;
    }
    isOpen_ = false;
    const std::string name = programTextName(fileNo_, false);
    const std::string target = inFolder(staging_, name);
    if (!converted_) {
        made_.push_back(name);
        return writeWholeFile(target, {output_, records_});
    }
    const std::string source = inFolder(staging_, programTextName(fileNo_, true));
    if (!writeWholeFile(source, {output_, records_})) {
        return false;
    }
    conversion_.StartConvProc(source, target);
    const bool done = conversion_.ConvCommFile(info_) == 1;
    conversion_.EndConvProc();
    made_.push_back(name);
    return done;
}

}  // namespace tk73pack
