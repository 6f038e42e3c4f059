// The guide's PDF editions, printed by Qt from the HTML editions: A4 pages with the pictures,
// each chapter on a new page, the page number at the foot of each page; NAME.pdf beside each
// NAME.htm.
//
// usage: tk73guidepdf GUIDE.htm...

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

// The pictures the page shows, from the files its "src" attributes name beside it.
void addPictures(QTextDocument& document, const QString& html, const QString& folder) {
    static const QRegularExpression source(QStringLiteral("<img[^>]* src=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& match : source.globalMatch(html)) {
        const QString name = match.captured(1);
        document.addResource(QTextDocument::ImageResource, QUrl(name),
                             QImage(folder + QLatin1Char('/') + name));
    }
}

// Every chapter but the first starts a page; the contents and the first chapter share none.
void breakBeforeChapters(QTextDocument& document) {
    int chapter = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1 || ++chapter < 2) {
            continue;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

// Prints the page into the PDF file beside it; false when it cannot.
bool print(const QString& page) {
    QFile source(page);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tk73guidepdf: cannot read %s\n", qPrintable(page));
        return false;
    }
    QTextDocument document;
    const QString html = QString::fromUtf8(source.readAll());
    addPictures(document, html, QFileInfo(source).absolutePath());
    document.setHtml(html);
    breakBeforeChapters(document);

    const QString target = QFileInfo(page).path() + QLatin1Char('/') +
                           QFileInfo(page).completeBaseName() + QStringLiteral(".pdf");
    {
        QPdfWriter writer(target);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(150);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("TK73 Setting Tool"));
        document.print(&writer);
    }
    if (QFileInfo(target).size() == 0) {
        std::fprintf(stderr, "tk73guidepdf: cannot write %s\n", qPrintable(target));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tk73guidepdf GUIDE.htm...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        if (!print(QString::fromLocal8Bit(argv[i]))) {
            return 1;
        }
    }
    return 0;
}
