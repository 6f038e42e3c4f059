#include "base/ui/printable_text.h"

#include <QList>
#include <QToolTip>

#include "platform/code_page.h"

namespace tk73 {

CodePageCharacters::CodePageCharacters() : codePage_(installationCodePage()) {}

bool CodePageCharacters::holds(char32_t character) const {
    const QString text = QString::fromUcs4(&character, 1);
    const QByteArray utf8 = text.toUtf8();
    const std::string bytes = fromUtf8(std::string_view(utf8.constData(), utf8.size()), codePage_);
    return toUtf8(bytes, codePage_) == std::string_view(utf8.constData(), utf8.size());
}

QString takeOutRefused(QLineEdit& field, const std::function<bool(char32_t)>& refused) {
    const QList<uint> characters = field.text().toUcs4();
    const int cursor = field.cursorPosition();
    QString kept;
    QString taken;
    int keptBeforeCursor = 0;
    int position = 0;  // in UTF-16 units, as the cursor counts
    for (const uint character : characters) {
        const char32_t c = character;
        const QString one = QString::fromUcs4(&c, 1);
        if (refused(c)) {
            if (!taken.contains(one)) {
                taken += one;
            }
        } else {
            kept += one;
            if (position < cursor) {
                keptBeforeCursor += static_cast<int>(one.size());
            }
        }
        position += static_cast<int>(one.size());
    }
    if (!taken.isEmpty()) {
        field.setText(kept);
        field.setCursorPosition(keptBeforeCursor);
    }
    return taken;
}

void showFieldNote(QLineEdit& field, const QString& note) {
    QToolTip::showText(field.mapToGlobal(QPoint(0, field.height())), note, &field);
}

}  // namespace tk73
