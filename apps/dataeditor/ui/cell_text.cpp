#include "apps/dataeditor/ui/cell_text.h"

#include <algorithm>

#include "platform/code_page.h"

namespace tk73edit {

bool isPlainCharacter(char c) {
    return c >= ' ' && c < 0x7F && c != '\\' && c != '~';
}

CellText::CellText() : codePage_(tk73::installationCodePage()) {}

QString CellText::operator()(std::string_view bytes) const {
    if (std::all_of(bytes.begin(), bytes.end(), isPlainCharacter)) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    const std::string utf8 = tk73::toUtf8(bytes, codePage_);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace tk73edit
