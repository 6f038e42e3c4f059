#include "apps/dataeditor/ui/clipboard_item.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "base/ui/ui_text.h"

namespace tk73edit {

void putOnClipboard(const FieldClip& clip) {
    auto* data = new QMimeData;
    const std::string bytes = encodeClip(clip);
    data->setData(QString::fromLatin1(kClipFormat),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    data->setText(tk73::toQString(clip.text));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<FieldClip> takeFromClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasFormat(QString::fromLatin1(kClipFormat))) {
        return std::nullopt;
    }
    const QByteArray bytes = data->data(QString::fromLatin1(kClipFormat));
    return decodeClip(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace tk73edit
