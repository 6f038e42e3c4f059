// Qt renders a test with the font set of the test's environment and nothing else, whatever fonts
// the machine has: it lists exactly the three families the set's configuration names, and the
// default font, the fixed-pitch font and the data editor's "Courier" resolve to them. A
// configuration that fontconfig cannot read falls back on the machine's own, which this catches.

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

// A family without the foundry that Qt adds to tell apart fonts of one name ("Nimbus Sans [URW ]").
QString familyOf(const QString& name) {
    return name.section(QStringLiteral(" ["), 0, 0);
}

QString familyOf(const QFont& font) {
    return familyOf(QFontInfo(font).family());
}

}  // namespace

class FontSetTest : public QObject {
    Q_OBJECT

  private slots:
    void qtSeesTheFontSetOfTheEnvironmentOnly() {
        QFile configuration(qEnvironmentVariable("FONTCONFIG_FILE"));
        QVERIFY2(configuration.open(QIODevice::ReadOnly), qPrintable(configuration.fileName()));
        // The sans-serif, serif and monospace families, in this order.
        QStringList named;
        const QRegularExpression prefer(QStringLiteral("<prefer><family>([^<]+)</family>"));
        for (const auto& match : prefer.globalMatch(QString::fromUtf8(configuration.readAll()))) {
            named << match.captured(1);
        }
        QCOMPARE(named.size(), 3);
        // Qt lists the generic names besides the fonts' own.
        QStringList families = {QStringLiteral("Monospace"), QStringLiteral("Sans Serif"),
                                QStringLiteral("Serif")};
        families << named;
        families.sort();
        QStringList seen;
        for (const QString& family : QFontDatabase::families()) {
            seen << familyOf(family);
        }
        seen.removeDuplicates();
        seen.sort();
        QCOMPARE(seen, families);

        QCOMPARE(familyOf(QApplication::font()), named[0]);
        QCOMPARE(familyOf(QFontDatabase::systemFont(QFontDatabase::FixedFont)), named[2]);
        QFont courier(QStringLiteral("Courier"));
        courier.setStyleHint(QFont::TypeWriter);
        QCOMPARE(familyOf(courier), named[2]);
    }
};

QTEST_MAIN(FontSetTest)
#include "font_set_test.moc"
