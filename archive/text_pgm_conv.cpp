#include "archive/text_pgm_conv.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "base/file_utils.h"
#include "base/memory.h"
#include "platform/whole_file.h"

namespace {

// Room of the work buffers that the library's texts pass through.
constexpr size_t kWorkBuffer = 512;

// The record number widths by the first record's leading digits.
int recordNoWidthAt(const std::string& data, size_t at) {
    if (data.compare(at, 4, "0001") == 0) {
        return 4;
    }
    if (data.compare(at, 5, "00001") == 0) {
        return 5;
    }
    return data.compare(at, 5, "00000") == 0 ? 6 : 0;
}

}  // namespace

CTextPgmConv::~CTextPgmConv() {
    ExitConvProc();
}

void CTextPgmConv::EnterConvProc(unsigned long flags, int direction) {
    m_flags = flags;
    m_direction = direction;
    if ((m_flags & kActive) == 0) {
        return;
    }
    m_module = AecrbsLoadLibrary("Arblibpc.dll");
    m_convert = reinterpret_cast<ConvertFunction>(
        AecrbsGetProcAddress(m_module, direction == kToWin1256 ? "Arblib_Ibm864_to_Win1256"
                                                               : "Arblib_Win1256_to_Ibm864"));
    m_format =
        reinterpret_cast<FormatFunction>(AecrbsGetProcAddress(m_module, "Arblib_Format_Ibm864"));
    if (m_module == nullptr || m_convert == nullptr || m_format == nullptr) {
        ExitConvProc();
        m_flags &= ~kActive;
    }
}

void CTextPgmConv::StartConvProc(const std::string& source, const std::string& target) {
    m_source = source;
    m_target = target;
}

int CTextPgmConv::ConvCommFile(Record_Information& info) {
    if ((m_flags & kActive) == 0) {
        return 0;
    }
    std::string data;
    return GetTxtPgmFileData(m_source, data) == 1 && GetConvFldInfo(info, data) == 1 &&
                   ConvData(info, data) == 1 && SetTxtPgmFileData(m_target, data) == 1
               ? 1
               : 0;
}

void CTextPgmConv::EndConvProc() {
    // The temporary side of the conversion; one left behind holds nothing the store needs.
    (void)AecrbsDeleteFile((m_direction == kToWin1256 ? m_source : m_target).c_str());
}

void CTextPgmConv::ExitConvProc() {
    if (m_module != nullptr) {
        AecrbsFreeLibrary(m_module);
    }
    m_module = nullptr;
    m_convert = nullptr;
    m_format = nullptr;
    m_flags &= ~kActive;
}

int CTextPgmConv::GetTxtPgmFileData(const std::string& path, std::string& out) {
    std::optional<std::string> data = tk73::readWholeFile(path);
    if (!data) {
        return 0;
    }
    out = std::move(*data);
    return 1;
}

int CTextPgmConv::SetTxtPgmFileData(const std::string& path, const std::string& data) {
    // The target is often the store's own file (a controller's file just received): it is
    // replaced whole, never rewritten in place, so a failed write leaves it as it was.
    return tk73::replaceWholeFile(path, data) ? 1 : 0;
}

int CTextPgmConv::GetConvFldInfo(Record_Information& info, const std::string& data) {
    size_t line = 0;
    int width = 0;
    while (line < data.size() && (width = recordNoWidthAt(data, line)) == 0) {
        const size_t end = data.find('\n', line);
        line = end == std::string::npos ? data.size() : end + 1;
    }
    const size_t end = data.find('\n', line);
    if (width == 0 || end == std::string::npos) {
        return 0;
    }
    info.firstRecordOffset = static_cast<int>(line);
    info.lineLength = static_cast<int>(end + 1 - line);
    info.recordNoWidth = width;
    info.recordCount =
        static_cast<int>((data.size() - line) / static_cast<size_t>(info.lineLength));
    int offset = width + 2;
    for (RECORD_FIELD_INFO& field : info.fields) {
        field.offset = offset;
        field.width = field.isChar == 1 ? field.size : 2 * field.size;
        offset += field.width + 3;
    }
    return 1;
}

void CTextPgmConv::AdjustArabic(char* text, int& length, int width) {
    int blanks = 0;
    while (blanks < length - width && text[blanks] == ' ') {
        ++blanks;
    }
    std::memmove(text, text + blanks, static_cast<size_t>(length - blanks) + 1);
    length -= blanks;
}

int CTextPgmConv::ConvData(const Record_Information& info, std::string& data) {
    if (m_convert == nullptr || m_format == nullptr) {
        return 0;
    }
    for (int record = 0; record < info.recordCount; ++record) {
        const size_t line = static_cast<size_t>(info.firstRecordOffset) +
                            static_cast<size_t>(record) * static_cast<size_t>(info.lineLength);
        for (const RECORD_FIELD_INFO& field : info.fields) {
            if (field.isChar != 1) {
                continue;
            }
            const size_t at = line + static_cast<size_t>(field.offset);
            const auto width = static_cast<size_t>(field.width);
            if (width >= kWorkBuffer || at + width > data.size()) {
                return 0;
            }
            char input[kWorkBuffer] = {};
            char formatted[kWorkBuffer + 1] = {};
            char output[kWorkBuffer + 1] = {};
            data.copy(input, width, at);
            const char* from = input;
            if (m_direction == kToWin1256) {
                if (m_format(input, formatted, 1) != 0) {
                    return 0;
                }
                from = formatted;
            }
            int length = 0;
            if (m_convert(from, output, &length) != 0) {
                return 0;
            }
            length = std::clamp(length, 0, static_cast<int>(kWorkBuffer));
            output[length] = '\0';
            if (length > field.width) {
                AdjustArabic(output, length, field.width);
            }
            const char* result = output;
            if (m_direction == kToIbm864) {
                if (m_format(output, formatted, 1) != 0) {
                    return 0;
                }
                formatted[kWorkBuffer] = '\0';
                result = formatted;
                length = static_cast<int>(std::strlen(formatted));
            }
            data.replace(at, width, width, ' ');
            data.replace(at, std::min(static_cast<size_t>(length), width), result,
                         std::min(static_cast<size_t>(length), width));
        }
    }
    return 1;
}
