// A test double of a setting editor, for the shell's tests only; it is never shipped. The tests
// place it under an editor's name ("TK73ITEM") in a program folder, and the shell starts it as it
// starts the real editor. It behaves as an editor does towards the shell:
//
// - it holds the editor's single-instance mutex ("TK73HUB_LAUNCHREG" and its name);
// - it names its window in "CURRENTHWND" and answers raise requests;
// - when told to end, it clears "CURRENTHWND" and raises the window "MAINHWND" names.
//
// It talks to the test through files of the folder TK73_EDITOR_DOUBLE_DIR: it writes "started"
// (its name, its switch and its process id, one a line) once it runs and appends "activated" to
// "events" for each raise request. It ends when "close" appears; when that file says "save", it
// first rewrites the PLU program file of the active store with the bytes it holds, as an editor
// that saved unchanged values does.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "base/window_values.h"
#include "operations/active_store_info.h"
#include "platform/api.h"
#include "platform/named_mutex.h"
#include "platform/window_activation.h"

namespace {

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::filesystem::path& file, const std::string& text) {
    const std::filesystem::path partial = file.string() + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::filesystem::rename(partial, file);
}

void appendLine(const std::filesystem::path& file, const std::string& line) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out << line << '\n';
}

void savePluFile() {
    char ini[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    if (CTK73opsActiveStoreInfo().GetPathInfo(ini, mainte, defaults, 0) == 0) {
        return;
    }
    const std::filesystem::path plu = std::filesystem::path(mainte) / "FILE004P.TXT";
    const std::string bytes = readText(plu);
    std::ofstream out(plu, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace

int main(int argc, char** argv) {
    const char* folderValue = std::getenv("TK73_EDITOR_DOUBLE_DIR");
    if (folderValue == nullptr || argc < 1) {
        return 2;
    }
    const std::filesystem::path folder(folderValue);
    const std::string name = std::filesystem::path(argv[0]).filename().string();
    const std::string programSwitch = argc > 1 ? argv[1] : "";

    tk73::NamedMutex instance("TK73HUB_LAUNCHREG" + name);
    if (instance.state() == tk73::NamedMutex::State::HeldElsewhere) {
        tk73::raiseWindow(instance.holder());
        return 1;
    }
    const std::filesystem::path events = folder / "events";
    auto endpoint = std::make_unique<tk73::ActivationEndpoint>([events] {
        appendLine(events, "activated");
        return true;
    });
    tk73::setCurrentWindowValue(tk73::ownWindowHandle());
    writeText(folder / "started",
              name + "\n" + programSwitch + "\n" + std::to_string(tk73::ownWindowHandle()) + "\n");

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (!std::filesystem::exists(folder / "close")) {
        if (std::chrono::steady_clock::now() > deadline) {
            return 3;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (readText(folder / "close").starts_with("save")) {
        savePluFile();
    }
    endpoint.reset();
    if (tk73::currentWindowValue() == tk73::ownWindowHandle()) {
        tk73::setCurrentWindowValue(0);
    }
    if (const uint32_t shell = tk73::mainWindowValue(); shell != 0) {
        tk73::raiseWindow(shell);
    }
    return 0;
}
