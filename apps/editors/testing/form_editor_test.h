#pragma once
// The fixture of the form editors' Qt Test suites (clerk, tax, receipt, general). A case starts a
// session on a staged store, creates a page set of the editor as the start-up creates it, opens
// it, types values, saves and compares the maintenance files with the expected ones. After every
// case the session ends and the scripted user interaction must have matched the prompts. Every
// form editor's program also ends at once when started without a page set it knows; the fixture
// holds that case for all of them.

#include <QObject>
#include <QStringList>

#include <memory>
#include <string>

#include "apps/editors/framework/editor_application.h"
#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/testing/editor_session.h"

namespace tk73editortest {

class FormEditorTest : public QObject {
    Q_OBJECT

  public:
    // The editor, and its program as the build made it.
    FormEditorTest(tk73editor::EditorDescription editor, std::string program);

  protected:
    // The shipped models the tests stage their stores with.
    static constexpr int kKR301 = 301;  // 40 characters per line, captions "Print" / "No print"
    static constexpr int kKR420 = 420;  // 48 characters, "Printed" / "Not printed", logo captions
    static constexpr int kKR150 = 150;  // 32 characters, captions "Yes" / "No"
    static constexpr int kVK500 = 501;  // the controller

    // A session on a store with the register model and the controller model (0: none), the
    // editor's context opened on the target; on the controller its setting is the current one.
    // False when the store or the context cannot be made.
    bool start(int regModelNo, int vekModelNo = 0, int target = kRegister);
    // The page set of the flag as the start-up creates it, not yet opened; null for a flag the
    // editor does not know.
    std::unique_ptr<tk73editor::PageSetDialog> create(const std::string& flag) const;
    // Presses OK with the save confirmed; whether the page set saved and closed.
    bool save(tk73editor::PageSetDialog& set);
    // Opens the page set of the flag and renders its pages into the screenshots "<name>-<page>":
    // the problems found.
    QStringList renderedPages(const std::string& flag, const std::string& name) const;

    std::unique_ptr<EditorSession> session_;

  private slots:
    void cleanup();
    void theProgramEndsAtOnceWithoutAPageSetItKnows();

  private:
    tk73editor::EditorDescription editor_;
    std::string program_;
};

}  // namespace tk73editortest
