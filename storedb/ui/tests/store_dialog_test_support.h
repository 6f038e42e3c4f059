#pragma once
// What the store dialog tests share: the shipped installation staged into the private folder of
// the store tests (three register models, one of which cannot be combined with a controller, and
// a controller), the scripted user interaction whose named dialogs the real widgets answer, and
// small ways to act on widgets as a user would.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "base/ui/testing/modal_probe.h"
#include "storedb/copy_pgm_files_notice.h"
#include "storedb/testing/store_test_environment.h"

class QAbstractButton;
class QComboBox;
class QDialog;

namespace storeuitest {

// The shipped KR150, which may not be combined with a controller in any mode; the other models
// keep the numbers of the store tests.
inline constexpr int kKR150 = 150;

class StoreDialogEnvironment : public storetest::StoreTestEnvironment {
  public:
    StoreDialogEnvironment();
    ~StoreDialogEnvironment();

    tk73test::ScriptedUserInteraction& ui() { return ui_; }
    // The copy notices the store life cycle sent: store number and kinds.
    const std::vector<std::pair<int, int>>& notices() const { return notices_; }
    // The named dialogs of the script are shown with the real widgets.
    void showRealDialog(const std::string& name);

    std::vector<std::string> messages() const;
    std::vector<std::string> questions() const;

  private:
    tk73test::ScriptedUserInteraction ui_;
    std::vector<std::pair<int, int>> notices_;
    tk73store::CopyPgmFilesHandler previousHandler_;
};

// Failures the scripted interactions reported so far (a prompt the script did not expect, an
// answer left over); they report through GoogleTest, whose ad hoc result keeps them here.
int scriptFailures();

// The entry whose item data is data becomes the current one, as the user picks it.
void pick(QComboBox* combo, int data);
// Clicks a check box or radio button on its indicator (a click beside its text misses it).
void clickIndicator(QAbstractButton* button);
// Presses the OK button of the dialog's button box.
void pressOk(QDialog* dialog);
// A dialog the test expected to end: when it is still open it is cancelled, so that the test
// fails instead of waiting for ever.
void closeIfOpen(QDialog* dialog);
// A named child that must exist.
template <class Widget>
Widget* child(const QWidget* parent, const char* name) {
    return parent->template findChild<Widget*>(QString::fromLatin1(name));
}

}  // namespace storeuitest
