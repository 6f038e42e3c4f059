#pragma once
// The window of a page set: the modal dialog an editor runs for its page-set flag, under the
// set's title, which is also the caption of every message the set shows. While the window of
// the program's page set is open, it holds the front (window_handover.h); a dialog that a page
// set opens inside itself (an item editor's record dialog) leaves the front where it is.
//
// Editors whose page set is a form of pages use PageSetDialog; an editor whose page set is
// something else (a list of records) derives its own window from this class.

#include <QDialog>

#include <memory>
#include <string>

#include "apps/editors/framework/pgm_menu_context.h"
#include "apps/editors/framework/window_handover.h"
#include "base/user_interaction.h"

namespace tk73editor {

class PageSetWindow : public QDialog {
  public:
    enum class Front {
        Take,  // the program's page set: it takes the front from the shell and hands it back
        Keep   // a dialog inside a page set: the front stays with the page set
    };

    PageSetWindow(PgmMenuContext& context, const std::string& title, Front front,
                  QWidget* parent = nullptr);

    const std::string& Title() const { return title_; }
    PgmMenuContext& Context() { return context_; }

    // Reads what the window shows; the start-up calls it before the window runs. 1 on success.
    [[nodiscard]] virtual int Open() = 0;

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    // Shows a message under the set's title.
    void Tell(const std::string& text, tk73::MessageIcon icon) const;
    // Ends the hand-over now (done ends it too).
    void EndHandover();

  private:
    PgmMenuContext& context_;
    std::string title_;
    std::unique_ptr<WindowHandover> handover_;
};

}  // namespace tk73editor
