#pragma once
// What one Qt Test case of an editor works in: a private folder with a staged installation and
// store, the scripted user interaction, and an editor context on the store. Made in the case's
// init() and dropped in its cleanup(), after which takeScriptFailures() tells whether the script
// and the prompts matched.

#include <string>

#include "apps/editors/framework/pgm_menu_context.h"
#include "apps/editors/testing/expected_files.h"
#include "apps/editors/testing/staged_store.h"
#include "base/testing/scripted_user_interaction.h"
#include "tests/support/temp_environment.h"

namespace tk73editortest {

class EditorSession {
  public:
    // The store's register model, and its controller model (0: none); the context is opened on
    // the target.
    EditorSession(int regModelNo, int vekModelNo = 0, int target = kRegister);
    // Puts the process switches back to the register's setting.
    ~EditorSession();

    bool ready() const { return store.ready() && opened == 1; }
    // A copy of the target's maintenance folder for the expected files.
    ExpectedFiles expect(int target = kRegister) const;

    tk73test::TempEnvironment environment;
    StagedStore store;
    tk73test::ScriptedUserInteraction script;
    tk73editor::PgmMenuContext context;
    int opened = 0;
};

}  // namespace tk73editortest
