#include "storedb/ui/manual_window.h"

#include <QDialog>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>

#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "base/ui/ui_text.h"
#include "platform/shell_open.h"
#include "storedb/help_manuals.h"

namespace tk73storeui {

namespace {

// Room for a page of the manual.
constexpr int kManualWidth = 720;
constexpr int kManualHeight = 560;

// The HTML edition of a manual: the same name with ".htm" for ".pdf".
std::string htmlEdition(const std::string& path) {
    return std::filesystem::path(path).replace_extension(".htm").string();
}

void showInSuite(QWidget* parent, const std::string& path, const char* chapter) {
    auto* window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* page = new QTextBrowser;
    QUrl place = QUrl::fromLocalFile(tk73::toQString(path));
    place.setFragment(QString::fromLatin1(chapter));
    page->setSource(place);
    window->setWindowTitle(page->documentTitle());
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(page);
    window->resize(kManualWidth, kManualHeight);
    window->show();
}

}  // namespace

void showToolManual(QWidget* parent, const char* chapter) {
    uint32_t userMode = 0;
    AecrbsGetTK73UserMode(&userMode);
    const std::string manual = tk73store::manualPath(tk73store::toolManualName(
        AecrbsGetLaunchVekTool() != 0, AecrbsGetCurrentVekSetting(), userMode));
    std::error_code error;
    const std::string html = manual.empty() ? std::string() : htmlEdition(manual);
    if (!html.empty() && !tk73::hasAssociatedProgram(manual) &&
        std::filesystem::is_regular_file(html, error)) {
        showInSuite(parent, html, chapter);
        return;
    }
    // The desktop's viewer shows it, or the user reads that nothing can: nothing is left to do.
    (void)CTK73hlp().ShowHelpToolManual();
}

void addHelpKey(QWidget* window, const char* chapter) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window,
                     [window, chapter] { showToolManual(window, chapter); });
}

}  // namespace tk73storeui
