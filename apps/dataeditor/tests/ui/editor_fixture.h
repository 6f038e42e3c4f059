#pragma once
// What a Qt Test case of the data editor works in: a session on store 1 of a staged installation
// (register model KR301) with the scripted user interaction, and the editor's window opened on a
// program file of the store's maintenance folder, as the start-up opens it, and shown.

#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "apps/dataeditor/editor_start.h"
#include "apps/dataeditor/ui/data_editor_window.h"
#include "apps/editors/testing/editor_session.h"

namespace tk73edittest {

class EditorFixture {
  public:
    EditorFixture();

    bool ready() const { return session.ready(); }
    std::string mainteFile(int fileNo) const;
    // The window on the file after the start-up checks, its document open, shown at 800 x 600
    // and exposed; the fixture keeps it. Null when the session is not ready or any step fails. A
    // case that prepares the store's files does so before it calls this.
    tk73edit::DataEditorWindow* show(int fileNo);

    tk73editortest::EditorSession session;

  private:
    // Declared after the session, so that it goes before the session it works in.
    std::unique_ptr<tk73edit::DataEditorWindow> window_;
};

// Runs the action once the modal dialog of type Dialog it opens is shown, with that dialog;
// false when none came.
template <class Dialog>
bool withDialog(const std::function<void()>& open, const std::function<void(Dialog&)>& work);

// Sends a key press and release with the text (any character, a double-byte one too) to the
// widget.
void typeText(QWidget* widget, const QString& text);
void pressKey(QWidget* widget, int key);

// The offset of a field's value in a record line of the file: the first value starts after the
// record number, a comma and a quote, each further one its width and three characters later.
size_t valueOffset(const tk73edit::ProgramDocument& document, int recordDigits, int field);

}  // namespace tk73edittest

#include "apps/dataeditor/tests/ui/editor_fixture_dialogs.h"
