#include "base/ui/ui_text.h"

#include "platform/code_page.h"

namespace tk73 {

QString toQString(std::string_view text) {
    const std::string utf8 = toUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return fromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

}  // namespace tk73
