#include "base/ui/ui_text.h"

namespace tk73 {

// The texts are byte strings in the installation's code page. Until the platform offers the
// code page conversion, the bytes are read as Latin-1, which keeps every byte as it is both ways.
QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace tk73
