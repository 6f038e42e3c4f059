#pragma once
// One page of a page set: a form of items, each a control bound to a setting item, read and
// written together.

#include <QFormLayout>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "apps/editors/framework/page_item.h"
#include "apps/editors/framework/pgm_menu_context.h"

namespace tk73editor {

class SettingPage : public QWidget {
  public:
    explicit SettingPage(const std::string& title, QWidget* parent = nullptr);

    const std::string& Title() const { return title_; }

    // Places the item's control in a row of its own, after the label unless it is empty; the
    // page keeps the item. Every item makes its widgets on the page (its first argument).
    template <class Item, class... Arguments>
    Item& Add(const std::string& label, Arguments&&... arguments) {
        auto item = std::make_unique<Item>(this, std::forward<Arguments>(arguments)...);
        Item& added = *item;
        Place(label, std::move(item));
        return added;
    }
    // Keeps an item for reading, restoring and saving without placing its control: the caller
    // lays the control out itself (in a grid of records, inside a group), or shows none for a
    // value the page keeps but does not show.
    template <class Item, class... Arguments>
    Item& Keep(Arguments&&... arguments) {
        auto item = std::make_unique<Item>(this, std::forward<Arguments>(arguments)...);
        Item& kept = *item;
        items_.push_back(std::move(item));
        return kept;
    }
    // Places a widget of the caller (a grid of kept items, a group, a note) in a row of its own.
    void AddRow(QWidget* widget);

    // Reads every item (PGM_ACCESS_READ or PGM_ACCESS_READ_DEFAULT); 1 when each was read.
    [[nodiscard]] int Load(PgmMenuContext& context, int operation);
    // The first usable item whose control holds a value that cannot be written, or null.
    PageItem* FirstInvalid() const;
    // Writes every changed item; 1 when each was written.
    [[nodiscard]] int Save(CPgmHandle& handle);

    const std::vector<std::unique_ptr<PageItem>>& Items() const { return items_; }

  private:
    void Place(const std::string& label, std::unique_ptr<PageItem> item);

    std::string title_;
    QFormLayout* form_;
    std::vector<std::unique_ptr<PageItem>> items_;
};

}  // namespace tk73editor
