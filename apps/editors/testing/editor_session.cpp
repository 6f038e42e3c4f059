#include "apps/editors/testing/editor_session.h"

#include "base/registry_settings.h"

namespace tk73editortest {

EditorSession::EditorSession(int regModelNo, int vekModelNo, int target)
    : store(environment, regModelNo, vekModelNo) {
    if (store.ready()) {
        opened = store.open(context, target);
    }
}

EditorSession::~EditorSession() {
    AecrbsSetCurrentVekSetting(0, 0);
    AecrbsSetLaunchVekTool(0);
}

ExpectedFiles EditorSession::expect(int target) const {
    static int copies = 0;
    return ExpectedFiles(store, target, environment.path("expected" + std::to_string(++copies)));
}

}  // namespace tk73editortest
