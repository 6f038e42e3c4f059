// The tool's dialogs rendered for review (screenshots/ of the build folder) and checked by the
// suite's layout check, on store 1 of a staged installation.

#include <QTest>

#include "apps/detailtool/detail_start.h"
#include "apps/detailtool/field_attribute.h"
#include "apps/detailtool/ui/detail_window.h"
#include "apps/detailtool/ui/display_dialog.h"
#include "apps/detailtool/ui/field_dialog.h"
#include "apps/detailtool/ui/select_files_dialog.h"
#include "apps/detailtool/ui/target_dialog.h"
#include "apps/editors/testing/editor_session.h"
#include "tests/ui_checks/rendered_window.h"

namespace {

QString picture(const char* name) {
    return QStringLiteral(TK73_SCREENSHOT_DIR "/detailtool-%1.png").arg(QLatin1String(name));
}

}  // namespace

class DetailLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void theDialogsAreReadable() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        tk73dtl::DetailContext context;
        QVERIFY(tk73dtl::prepareStart(context));
        const CTK73defReg definition = context.Definition();
        tk73dtl::DetailWindow main(context);
        tk73dtl::TargetDialog target(definition, 4, nullptr);
        tk73dtl::DisplayDialog display(definition, tk73dtl::readFileRows(definition)[3], nullptr);
        tk73dtl::FieldDialog field(definition, 4, tk73dtl::readFileFields(definition, 4)[1],
                                   nullptr);
        tk73dtl::SelectFilesDialog select(context, false, nullptr);
        const std::pair<QWidget*, const char*> dialogs[] = {{&main, "main"},
                                                            {&target, "target"},
                                                            {&display, "display"},
                                                            {&field, "field"},
                                                            {&select, "select"}};
        for (const auto& [dialog, file] : dialogs) {
            const QStringList problems = tk73test::renderedProblems(*dialog, picture(file));
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        }
    }
};

QTEST_MAIN(DetailLayoutTest)
#include "layout_test.moc"
