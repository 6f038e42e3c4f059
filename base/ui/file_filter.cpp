#include "base/ui/file_filter.h"

#include <QRegularExpression>
#include <QStringList>

#include "base/ui/ui_text.h"

namespace tk73 {

namespace {

QString patternsOf(const std::string& patterns) {
    QStringList list;
    for (const QString& pattern : toQString(patterns).split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (!trimmed.isEmpty()) {
            list << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
    }
    return list.isEmpty() ? QStringLiteral("*") : list.join(u' ');
}

QString descriptionOf(const std::string& description) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    return toQString(description).remove(trailingPatterns).trimmed();
}

}  // namespace

QString qtFileFilter(const std::vector<FileType>& types) {
    QStringList filters;
    for (const FileType& type : types) {
        filters << QStringLiteral("%1 (%2)").arg(descriptionOf(type.description),
                                                 patternsOf(type.patterns));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace tk73
