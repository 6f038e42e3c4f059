#include "programfiles/pgm_file_rw.h"

#include <cstdio>
#include <cstring>

#include "platform/api.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file_io.h"
#include "programfiles/pgm_record_lines.h"

namespace {

constexpr size_t kMaxPathLength = TK73_MAX_PATH;

bool beginsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

CTK73pgmPgmFileRW::CTK73pgmPgmFileRW(const char* path) : m_path(path != nullptr ? path : "") {}

int CTK73pgmPgmFileRW::ReadPgmFile() {
    if (m_pContents) {
        return 0;
    }
    tk73pgm::FileBuffer file;
    if (m_path.empty() || m_path.size() > kMaxPathLength || !tk73pgm::readWholeFile(m_path, file)) {
        return 0;
    }
    m_pContents = std::move(file.bytes);
    m_nFileSize = static_cast<int>(file.size);
    if (!FindLayout()) {
        Clear();
        return 0;
    }
    return 1;
}

int CTK73pgmPgmFileRW::WritePgmFile() {
    if (!m_pContents || m_path.size() > kMaxPathLength) {
        return 0;
    }
    return tk73::replaceWholeFile(
               m_path, std::string_view(m_pContents.get(), static_cast<size_t>(m_nFileSize)))
               ? 1
               : 0;
}

int CTK73pgmPgmFileRW::FindLayout() {
    const std::string_view text(m_pContents.get(), static_cast<size_t>(m_nFileSize));
    size_t lineStart = 0;
    m_nHeaderLines = 0;
    m_nNumberWidth = 0;
    while (lineStart < text.size()) {
        const std::string_view line = text.substr(lineStart);
        if (beginsWith(line, "000001")) {
            m_nNumberWidth = 6;
        } else if (beginsWith(line, "00001")) {
            m_nNumberWidth = 5;
        } else if (beginsWith(line, "0001")) {
            m_nNumberWidth = 4;
        }
        if (m_nNumberWidth != 0) {
            break;
        }
        const size_t lineBreak = SearchString(line, "\r\n");
        if (lineBreak == static_cast<size_t>(-1)) {
            return 0;
        }
        ++m_nHeaderLines;
        lineStart += lineBreak + 2;
    }
    if (m_nNumberWidth == 0) {
        return 0;
    }
    m_nHeaderLength = static_cast<int>(lineStart);
    size_t end = lineStart;
    while (!tk73pgm::atLineEnd(text.data() + end)) {
        ++end;
    }
    m_nRecordLength = static_cast<int>(end - lineStart) + 2;
    m_nRecordCount = CountRecords();

    m_nFieldCount = 0;
    size_t pos = lineStart;
    tk73pgm::FieldSpan span;
    bool last = false;
    while (!last && tk73pgm::nextField(text.data(), pos, span, last)) {
        ++m_nFieldCount;
    }
    return 1;
}

int CTK73pgmPgmFileRW::CountRecords() const {
    int count = (m_nFileSize - m_nHeaderLength) / m_nRecordLength;
    if (count < 1) {
        return 0;
    }
    const size_t last = static_cast<size_t>(m_nHeaderLength) +
                        static_cast<size_t>(count - 1) * static_cast<size_t>(m_nRecordLength);
    char number[16];
    std::snprintf(number, sizeof number, "%0*d", m_nNumberWidth, count);
    const std::string_view line(m_pContents.get() + last, static_cast<size_t>(m_nFileSize) - last);
    if (!beginsWith(line, number)) {
        --count;
    }
    return count;
}

void CTK73pgmPgmFileRW::Clear() {
    m_pContents.reset();
    m_nFileSize = m_nHeaderLines = m_nRecordCount = m_nHeaderLength = m_nRecordLength =
        m_nFieldCount = m_nNumberWidth = 0;
}

size_t CTK73pgmPgmFileRW::SearchString(std::string_view text, std::string_view pattern) {
    const size_t found = text.find(pattern);
    return found == std::string_view::npos ? static_cast<size_t>(-1) : found;
}
