#include "definitions/ctrl_cmn.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/folder_tree.h"
#include "definitions/decimal_text.h"
#include "definitions/profile_access.h"
#include "platform/path_rule.h"
#include "platform/running_program.h"

namespace {

// Longest value GetIniFileString hands out, and the key list buffers of GetIniFileKeyList.
constexpr uint32_t kValueChars = 2047;
constexpr uint32_t kFirstKeyBuffer = 2048;
constexpr uint32_t kKeyBufferStep = 10240;
constexpr uint32_t kLargestKeyBuffer = 102400;

std::string text(const char* value) {
    return value != nullptr ? value : "";
}

template <typename Number>
int divideNumbers(const std::string& line, std::vector<Number>& out) {
    std::vector<std::string> pieces;
    CCtrlCmn::DivCSVString(line, pieces);
    out.clear();
    for (const std::string& piece : pieces) {
        out.push_back(static_cast<Number>(tk73def::decimalValue(piece)));
    }
    return static_cast<int>(out.size());
}

template <typename Number>
void combineNumbers(const std::vector<Number>* values, std::string& out) {
    out.clear();
    if (values == nullptr) {
        return;
    }
    for (size_t i = 0; i < values->size(); ++i) {
        CCtrlCmn::CmbCSVAddVal(static_cast<int>((*values)[i]), out, i + 1 < values->size());
    }
}

template <typename Number>
int containsNumber(const std::vector<Number>* values, Number value) {
    return values != nullptr && std::find(values->begin(), values->end(), value) != values->end()
               ? 1
               : 0;
}

}  // namespace

int CCtrlCmn::GetIniFileString(const char* file, const char* section, const char* key,
                               std::string& out) {
    out = tk73def::readProfileString(text(file), section, key, kValueChars);
    return out.empty() ? 0 : 1;
}

int CCtrlCmn::GetIniFileValue(const char* file, const char* section, const char* key, int* out) {
    std::string value;
    const int found = GetIniFileString(file, section, key, value);
    if (out != nullptr) {
        *out = found ? tk73def::decimalValue(value) : 0;
    }
    return found;
}

int CCtrlCmn::SetIniFileString(const char* file, const char* section, const char* key,
                               const std::string& value) {
    if (key == nullptr) {
        return 0;  // a null key would delete the section instead
    }
    return tk73def::writeProfileString(text(file), section, key, value.c_str());
}

int CCtrlCmn::SetIniFileValue(const char* file, const char* section, const char* key, int value) {
    return SetIniFileString(file, section, key, std::to_string(value));
}

int CCtrlCmn::DelScrOrKeyIniFile(const char* file, const char* section, const char* key) {
    return tk73def::writeProfileString(text(file), section, key, nullptr);
}

int CCtrlCmn::GetIniFileKeyList(const char* file, const char* section,
                                std::vector<std::string>& out) {
    bool full = false;
    out = tk73def::readProfileKeys(text(file), section, kFirstKeyBuffer, &full);
    for (uint32_t size = kKeyBufferStep; full && size <= kLargestKeyBuffer;
         size += kKeyBufferStep) {
        out = tk73def::readProfileKeys(text(file), section, size, &full);
    }
    return static_cast<int>(out.size());
}

int CCtrlCmn::DivideString(const std::string& line, const char* delimiter,
                           std::vector<std::string>& out) {
    out.clear();
    const char separator = (delimiter != nullptr) ? delimiter[0] : '\0';
    size_t start = 0;
    if (separator != '\0') {
        for (size_t pos = line.find(separator); pos != std::string::npos;
             pos = line.find(separator, start)) {
            out.push_back(line.substr(start, pos - start));
            start = pos + 1;
        }
    }
    out.push_back(line.substr(start));
    return static_cast<int>(out.size());
}

int CCtrlCmn::DivCSVString(const std::string& line, std::vector<std::string>& out) {
    return DivideString(line, ",", out);
}

int CCtrlCmn::DivCSVDWord(const std::string& line, std::vector<uint32_t>& out) {
    return divideNumbers(line, out);
}

int CCtrlCmn::DivCSVWord(const std::string& line, std::vector<uint16_t>& out) {
    return divideNumbers(line, out);
}

void CCtrlCmn::CmbCSVAddVal(int value, std::string& line, int addComma) {
    CmbCSVAddStr(std::to_string(value), line, addComma);
}

void CCtrlCmn::CmbCSVAddStr(const std::string& piece, std::string& line, int addComma) {
    line += piece;
    if (addComma) {
        line += ',';
    }
}

void CCtrlCmn::CmbCSVDWord(const std::vector<uint32_t>* values, std::string& out) {
    combineNumbers(values, out);
}

void CCtrlCmn::CmbCSVWord(const std::vector<uint16_t>* values, std::string& out) {
    combineNumbers(values, out);
}

int CCtrlCmn::ChechValInArray(const std::vector<uint32_t>* values, unsigned long value) {
    return containsNumber(values, static_cast<uint32_t>(value));
}

int CCtrlCmn::ChechValInArray(const std::vector<uint16_t>* values, unsigned short value) {
    return containsNumber(values, static_cast<uint16_t>(value));
}

void CCtrlCmn::GetFolderFromFullPath(const char* path, std::string& out) {
    const std::string full = text(path);
    const size_t last = tk73::lastSeparatorAt(full);
    out = (last == std::string::npos) ? std::string() : full.substr(0, last);
}

int CCtrlCmn::CheckExistDir(const std::string& path) {
    std::string folder = path;
    while (folder.size() > 1 && tk73::endsWithSeparator(folder)) {
        folder.pop_back();
    }
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error) ? 1 : 0;
}

int CCtrlCmn::CreateOneDir(const std::string& path) {
    return AecrbsMakeDirectory(path.c_str()) != 0 ? 1 : 0;
}

int CCtrlCmn::GetExistFilePath(const char* file, std::string& out) {
    std::error_code error;
    if (file != nullptr && file[0] != '\0' && std::filesystem::exists(file, error)) {
        out = std::filesystem::current_path(error).generic_string();
        if (!error) {
            return 1;
        }
    }
    out = tk73::runningProgramFolder();
    return out.empty() ? 0 : 1;
}
