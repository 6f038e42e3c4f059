#include "apps/editors/testing/form_editor_test.h"

#include <QTest>

#include <algorithm>
#include <cctype>
#include <utility>

#include "apps/editors/testing/form_page_set.h"
#include "apps/editors/testing/screenshots.h"
#include "apps/editors/testing/script_failures.h"
#include "base/registry_settings.h"
#include "tests/programs/suite_program.h"

namespace tk73editortest {

FormEditorTest::FormEditorTest(tk73editor::EditorDescription editor, std::string program)
    : editor_(std::move(editor)), program_(std::move(program)) {}

bool FormEditorTest::start(int regModelNo, int vekModelNo, int target) {
    session_ = std::make_unique<EditorSession>(regModelNo, vekModelNo, target);
    if (target == kController) {
        AecrbsSetCurrentVekSetting(1, 0);
    }
    return session_->ready();
}

std::unique_ptr<tk73editor::PageSetDialog> FormEditorTest::create(const std::string& flag) const {
    for (const auto& set : editor_.pageSets) {
        if (set.flag == flag) {
            return asFormPageSet(set.create(session_->context));
        }
    }
    return nullptr;
}

bool FormEditorTest::save(tk73editor::PageSetDialog& set) {
    session_->script.pressButton(tk73::Button::Ok);
    set.accept();
    return set.result() == 1;
}

QStringList FormEditorTest::renderedPages(const std::string& flag, const std::string& name) const {
    auto set = create(flag);
    if (set == nullptr || set->Open() != 1) {
        return {QString::fromStdString("the page set " + flag + " does not open")};
    }
    return screenshotPages(*set, name);
}

void FormEditorTest::cleanup() {
    session_.reset();
    const QStringList failures = takeScriptFailures();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void FormEditorTest::theProgramEndsAtOnceWithoutAPageSetItKnows() {
    std::string known = "/" + editor_.pageSets.front().flag;
    std::transform(known.begin(), known.end(), known.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // Flags compare with letter case, so a known flag in small letters is unknown.
    for (const std::string& unknown : {std::string(), std::string("/X"), known}) {
        QCOMPARE(tk73test::exitCodeOf(program_, unknown), 2);
    }
}

}  // namespace tk73editortest
