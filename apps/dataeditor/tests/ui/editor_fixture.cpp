#include "apps/dataeditor/tests/ui/editor_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "apps/editors/testing/staged_store.h"

namespace tk73edittest {

namespace {

constexpr int kKR301 = 301;

}  // namespace

EditorFixture::EditorFixture() : session(kKR301) {}

std::string EditorFixture::mainteFile(int fileNo) const {
    return session.store.mainteFile(tk73editortest::kRegister, fileNo);
}

tk73edit::DataEditorWindow* EditorFixture::show(int fileNo) {
    if (!ready()) {
        return nullptr;
    }
    const auto commandLine =
        tk73edit::DataEditorCommandLine::parse({mainteFile(fileNo), "/LAUNCHREG"});
    tk73edit::applyProcessSwitches(commandLine);
    tk73edit::StartContext context;
    if (tk73edit::prepareStart(commandLine, context) != tk73edit::StartCheck::Ready) {
        return nullptr;
    }
    window_ = std::make_unique<tk73edit::DataEditorWindow>(context, tk73edit::WindowPlacement());
    if (!window_->OpenDocument()) {
        return nullptr;
    }
    // The size a first start opens at, whatever the fonts of the machine make of its parts.
    window_->resize(800, 600);
    window_->show();
    return QTest::qWaitForWindowExposed(window_.get()) ? window_.get() : nullptr;
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

void pressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

size_t valueOffset(const tk73edit::ProgramDocument& document, int recordDigits, int field) {
    size_t offset = static_cast<size_t>(recordDigits) + 2;
    for (int f = 0; f < field; ++f) {
        offset += static_cast<size_t>(document.Field(f).width) + 3;
    }
    return offset;
}

}  // namespace tk73edittest
