#include "tests/programs/agent/agent_requests.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <map>

#include "base/ui/qt_user_interaction.h"
#include "tests/programs/agent/agent_actions.h"
#include "tests/programs/agent/widget_finder.h"

namespace tk73agent {

namespace {

using Answer = std::vector<std::string>;
using Request = std::vector<std::string>;

Answer ok(std::vector<std::string> values = {}) {
    values.insert(values.begin(), "ok");
    return values;
}

Answer failed(const std::string& what) {
    return {"error", what};
}

QString field(const Request& request, size_t at) {
    return at < request.size() ? QString::fromStdString(request[at]) : QString();
}

// Runs the action on the widget on the next turn of the event loop, unless the widget is gone.
void laterOn(QWidget* widget, std::function<void(QWidget*)> action) {
    later([target = QPointer<QWidget>(widget), action = std::move(action)] {
        if (!target.isNull()) {
            action(target.data());
        }
    });
}

// The request's widget at fields 1 and 2, or the error that names what is missing.
QWidget* widgetOf(const Request& request, Answer* error) {
    QWidget* window = findWindow(field(request, 1));
    if (window == nullptr) {
        *error = failed("no window \"" + request.at(1) +
                        "\" among: " + visibleWindows().join(QStringLiteral(", ")).toStdString());
        return nullptr;
    }
    QWidget* widget = findWidget(window, field(request, 2));
    if (widget == nullptr) {
        *error = failed("no widget \"" + request.at(2) + "\" in \"" + request.at(1) + "\"");
    }
    return widget;
}

// Each character a key press with its text, as a keyboard or an input method gives it, so
// that a character of any script is typed.
void typeInto(QWidget* target, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(target, &release);
    }
}

// The row that the request's fourth field names, when the widget is an item view with a model.
QModelIndex requestedRow(const Request& request, QWidget* widget) {
    auto* view = qobject_cast<QAbstractItemView*>(widget);
    return view != nullptr && view->model() != nullptr
               ? view->model()->index(field(request, 3).toInt(), 0)
               : QModelIndex();
}

void clickRow(QAbstractItemView* view, const QModelIndex& index) {
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// The rows of an item view, or of a widget that paints rows of its own model.
Answer rows(QWidget* widget) {
    auto* view = qobject_cast<QAbstractItemView*>(widget);
    const QAbstractItemModel* shown =
        view != nullptr ? view->model() : widget->findChild<QAbstractItemModel*>();
    if (shown == nullptr) {
        return failed("no rows in the widget");
    }
    const QAbstractItemModel& model = *shown;
    std::vector<std::string> values;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << model.data(model.index(row, column)).toString();
        }
        values.push_back(cells.join(QChar(0x1F)).toStdString());
    }
    return ok(values);
}

// Picks the item of the open pop-up menus by keyboard: the deepest menu that holds it.
Answer chooseMenuItem(const QString& text) {
    QList<QMenu*> menus;
    if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        menus << popup;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* menu = qobject_cast<QMenu*>(window); menu != nullptr && menu->isVisible()) {
            menus << menu;
        }
    }
    for (QMenu* menu : menus) {
        for (QAction* action : menu->actions()) {
            if (QString(action->text()).remove('&') != text || !action->isEnabled()) {
                continue;
            }
            laterOn(menu, [action = QPointer<QAction>(action)](QWidget* shown) {
                if (action.isNull()) {
                    return;
                }
                auto* menu = static_cast<QMenu*>(shown);
                menu->setActiveAction(action);
                QTest::keyClick(menu, action->menu() != nullptr ? Qt::Key_Right : Qt::Key_Return);
            });
            return ok();
        }
    }
    return failed("no open menu holds \"" + text.toStdString() + "\"");
}

// Types the path into the file dialog's name field and accepts, again every few milliseconds
// while the dialog stays open: the folder listing, which loads in the background, may clear the
// field in between.
Answer chooseFile(const QString& path) {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
        return failed("no file dialog open");
    }
    auto attempt = [dialog, path] {
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->setText(path);
        }
        static_cast<QDialog*>(dialog)->accept();
    };
    auto* retry = new QTimer(dialog);
    QObject::connect(retry, &QTimer::timeout, dialog, attempt);
    retry->start(50);
    QTimer::singleShot(0, dialog, attempt);
    return ok();
}

using Handler = std::function<Answer(const Request&, QWidget*)>;

// The requests on one widget, by name.
const std::map<std::string, Handler>& widgetRequests() {
    static const std::map<std::string, Handler> handlers = {
        {"text",
         [](const Request&, QWidget* widget) { return ok({widgetText(widget).toStdString()}); }},
        {"enabled",
         [](const Request&, QWidget* widget) { return ok({widget->isEnabled() ? "1" : "0"}); }},
        {"rows", [](const Request&, QWidget* widget) { return rows(widget); }},
        {"grab",
         [](const Request& request, QWidget* widget) {
             return widget->grab().save(field(request, 3), "PNG") ? ok()
                                                                  : failed("picture not written");
         }},
        {"click",
         [](const Request&, QWidget* widget) {
             laterOn(widget, [](QWidget* target) {
                 QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
             });
             return ok();
         }},
        {"key",
         [](const Request& request, QWidget* widget) {
             const QKeySequence keys(field(request, 3));
             if (keys.isEmpty()) {
                 return failed("no such key");
             }
             const QKeyCombination key = keys[0];
             laterOn(widget, [key](QWidget* target) {
                 // Through the window, as the keyboard's keys come: a shortcut takes them first,
                 // in the window that has the keyboard.
                 QApplication::setActiveWindow(target->window());
                 target->setFocus();
                 if (QWindow* window = target->window()->windowHandle()) {
                     QTest::keyClick(window, key.key(), key.keyboardModifiers());
                 } else {
                     QTest::keyClick(target, key.key(), key.keyboardModifiers());
                 }
             });
             return ok();
         }},
        {"type",
         [](const Request& request, QWidget* widget) {
             laterOn(widget, [text = field(request, 3)](QWidget* target) {
                 target->setFocus();
                 if (auto* line = qobject_cast<QLineEdit*>(target)) {
                     line->selectAll();
                 }
                 typeInto(target, text);
             });
             return ok();
         }},
        {"row",
         [](const Request& request, QWidget* widget) {
             const QModelIndex index = requestedRow(request, widget);
             if (!index.isValid()) {
                 return failed("no such row");
             }
             laterOn(widget, [index = QPersistentModelIndex(index)](QWidget* target) {
                 clickRow(static_cast<QAbstractItemView*>(target), index);
             });
             return ok();
         }},
        {"check",
         [](const Request& request, QWidget* widget) {
             const QModelIndex index = requestedRow(request, widget);
             if (!index.isValid()) {
                 return failed("no such row");
             }
             const bool checked = field(request, 4) == QStringLiteral("1");
             laterOn(widget, [index = QPersistentModelIndex(index), checked](QWidget* target) {
                 static_cast<QAbstractItemView*>(target)->model()->setData(
                     index, checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
             });
             return ok();
         }},
        {"context",
         [](const Request& request, QWidget* widget) {
             const QModelIndex index = requestedRow(request, widget);
             if (field(request, 3).toInt() >= 0 && !index.isValid()) {
                 return failed("no such row");
             }
             laterOn(widget, [index = QPersistentModelIndex(index)](QWidget* target) {
                 auto* view = qobject_cast<QAbstractItemView*>(target);
                 QWidget* surface = view != nullptr ? view->viewport() : target;
                 QPoint at = surface->rect().center();
                 if (view != nullptr && index.isValid()) {
                     clickRow(view, index);
                     at = view->visualRect(index).center();
                 }
                 QContextMenuEvent event(QContextMenuEvent::Mouse, at, surface->mapToGlobal(at));
                 QApplication::sendEvent(surface, &event);
             });
             return ok();
         }},
    };
    return handlers;
}

Answer menuBarRequest(const Request& request) {
    QWidget* window = findWindow(field(request, 1));
    auto* bar = window != nullptr ? window->findChild<QMenuBar*>() : nullptr;
    if (bar == nullptr) {
        return failed("no menu bar in \"" + request.at(1) + "\"");
    }
    for (QAction* action : bar->actions()) {
        if (QString(action->text()).remove('&') == field(request, 2)) {
            const QPoint at = bar->actionGeometry(action).center();
            laterOn(bar,
                    [at](QWidget* target) { QTest::mouseClick(target, Qt::LeftButton, {}, at); });
            return ok();
        }
    }
    return failed("no menu \"" + request.at(2) + "\"");
}

}  // namespace

Answer answerRequest(const Request& request) {
    const std::string name = request.empty() ? std::string() : request.front();
    if (name == "windows") {
        std::vector<std::string> windows;
        for (const QString& window : visibleWindows()) {
            windows.push_back(window.toStdString());
        }
        return ok(windows);
    }
    if (name == "dialogs") {
        auto* qt = dynamic_cast<tk73::QtUserInteraction*>(&tk73::ui());
        return qt != nullptr ? ok(qt->dialogNames())
                             : failed("the program runs without its Qt user interaction");
    }
    if (name == "exists") {
        QWidget* window = findWindow(field(request, 1));
        return ok({findWidget(window, field(request, 2)) != nullptr ? "1" : "0"});
    }
    if (name == "menubar") {
        return menuBarRequest(request);
    }
    if (name == "menu") {
        return chooseMenuItem(field(request, 1));
    }
    if (name == "choosefile") {
        return chooseFile(field(request, 1));
    }
    const auto handler = widgetRequests().find(name);
    if (handler == widgetRequests().end() || request.size() < 3) {
        return failed("unknown request \"" + name + "\"");
    }
    Answer error;
    QWidget* widget = widgetOf(request, &error);
    return widget != nullptr ? handler->second(request, widget) : error;
}

}  // namespace tk73agent
