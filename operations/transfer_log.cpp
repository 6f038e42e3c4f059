#include "operations/transfer_log.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "platform/file_lock.h"
#include "platform/line_append.h"
#include "platform/whole_file.h"

namespace tk73ops {

namespace {

constexpr size_t kColumns = 10;

std::string plain(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    return parts;
}

template <typename Number>
bool parse(const std::string& text, Number& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool parseFiles(const std::string& text, TransferLogEntry& entry) {
    for (const std::string& item : text.empty() ? std::vector<std::string>{} : split(text, ',')) {
        const size_t colon = item.find(':');
        int fileNo = 0;
        uint64_t size = 0;
        if (colon == std::string::npos || !parse(item.substr(0, colon), fileNo) ||
            !parse(item.substr(colon + 1), size)) {
            return false;
        }
        entry.files.emplace_back(fileNo, size);
    }
    return true;
}

bool parseNumbers(const std::string& text, std::vector<int>& out) {
    for (const std::string& item : text.empty() ? std::vector<std::string>{} : split(text, ',')) {
        int number = 0;
        if (!parse(item, number)) {
            return false;
        }
        out.push_back(number);
    }
    return true;
}

bool parseLine(const std::string& line, TransferLogEntry& entry) {
    const std::vector<std::string> columns = split(line, '\t');
    if (columns.size() < kColumns || (columns[5] != "done" && columns[5] != "failed")) {
        return false;
    }
    entry.time = columns[0];
    entry.direction = columns[1];
    entry.address = columns[3];
    entry.done = columns[5] == "done";
    entry.message = columns[6];
    // The count of changed records came later: a line without it does not know it.
    const bool changedKnown = columns.size() > kColumns && !columns[kColumns].empty();
    return parse(columns[2], entry.machineNo) && parseFiles(columns[4], entry) &&
           parseNumbers(columns[7], entry.failedFiles) && parse(columns[8], entry.bytes) &&
           parse(columns[9], entry.milliseconds) &&
           (!changedKnown || parse(columns[kColumns], entry.changedOnRegister));
}

void readInto(const std::string& path, std::vector<TransferLogEntry>& entries) {
    const std::optional<std::string> text = tk73::readWholeFile(path);
    if (!text) {
        return;
    }
    size_t at = 0;
    for (size_t end = text->find('\n'); end != std::string::npos;
         at = end + 1, end = text->find('\n', at)) {
        TransferLogEntry entry;
        if (parseLine(text->substr(at, end - at), entry)) {
            entries.push_back(std::move(entry));
        }
    }
}

}  // namespace

const char* const kTransferLogHeader =
    "time\tdirection\tmachine\taddress\tfiles\tresult\tmessage\tfailed\tbytes\tmilliseconds\t"
    "changed\n";

std::string transferLogTime() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string transferLogLine(const TransferLogEntry& entry) {
    std::string files;
    for (const auto& [fileNo, size] : entry.files) {
        files += (files.empty() ? "" : ",") + std::to_string(fileNo) + ":" + std::to_string(size);
    }
    std::string failed;
    for (int fileNo : entry.failedFiles) {
        failed += (failed.empty() ? "" : ",") + std::to_string(fileNo);
    }
    return plain(entry.time) + "\t" + plain(entry.direction) + "\t" +
           std::to_string(entry.machineNo) + "\t" + plain(entry.address) + "\t" + files + "\t" +
           (entry.done ? "done" : "failed") + "\t" + plain(entry.message) + "\t" + failed + "\t" +
           std::to_string(entry.bytes) + "\t" + std::to_string(entry.milliseconds) + "\t" +
           (entry.changedOnRegister < 0 ? "" : std::to_string(entry.changedOnRegister)) + "\n";
}

bool appendTransferLog(const std::string& path, const TransferLogEntry& entry,
                       uint64_t rotateBytes) {
    const tk73::ExclusiveFileLock lock(path + ".lock");
    if (!lock.held()) {
        return false;
    }
    const std::string line = transferLogLine(entry);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    const bool fresh = error || size == 0;
    if (!fresh && size + line.size() > rotateBytes) {
        std::filesystem::rename(path, path + ".1", error);
        if (error) {
            return false;
        }
    }
    const bool begins = fresh || !tk73::pathExists(path);
    return tk73::appendWhole(path, begins ? kTransferLogHeader + line : line);
}

std::vector<TransferLogEntry> readTransferLog(const std::string& path) {
    std::vector<TransferLogEntry> entries;
    readInto(path + ".1", entries);
    readInto(path, entries);
    return entries;
}

}  // namespace tk73ops
