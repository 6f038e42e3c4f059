#include "archive/archive_files.h"

#include <cstdio>
#include <filesystem>

#include "base/file_utils.h"
#include "base/install_folders.h"
#include "platform/api.h"

namespace tk73pack {

std::string tempFile(const char* name) {
    char path[TK73_MAX_PATH] = {};
    if (AecrbsGetTempPath(path) == 0 || path[0] == '\0' || AecrbsAddPath(path, name) == 0) {
        return {};
    }
    return path;
}

std::string inFolder(const std::string& folder, const std::string& name) {
    char path[TK73_MAX_PATH] = {};
    if (folder.size() >= sizeof path) {
        return {};
    }
    folder.copy(path, folder.size());
    return AecrbsAddPath(path, name.c_str()) == 1 ? path : std::string();
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string titleLine(int fileNo) {
    char line[32];
    std::snprintf(line, sizeof line, "\"C\",\"n:P0%03d:\"\r\n", fileNo);
    return line;
}

std::string programTextName(int fileNo, bool converted) {
    char name[32];
    std::snprintf(name, sizeof name, converted ? "S_FILE%03dP.TXT" : "FILE%03dP.TXT", fileNo);
    return name;
}

bool writeWholeFile(const std::string& path, const std::string& bytes) {
    return writeWholeFile(path, {std::string_view(bytes)});
}

bool writeWholeFile(const std::string& path, std::initializer_list<std::string_view> pieces) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = true;
    for (std::string_view piece : pieces) {
        written = written && std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
    }
    return std::fclose(file) == 0 && written;
}

bool copyReplacing(const std::string& source, const std::string& target) {
    const std::string partial = target + ".part";
    std::error_code error;
    std::filesystem::copy_file(source, partial, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (!error) {
        std::filesystem::rename(partial, target, error);
    }
    if (error) {
        std::filesystem::remove(partial, error);
        return false;
    }
    return true;
}

}  // namespace tk73pack
