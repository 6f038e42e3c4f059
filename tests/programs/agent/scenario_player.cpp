#include "tests/programs/agent/scenario_player.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "tests/programs/agent_protocol.h"

namespace tk73agent {

namespace {

// The exit code of a program whose scenario waited too long; no program of the suite ends so.
constexpr int kTimedOut = 97;
constexpr int kTickMilliseconds = 25;

}  // namespace

ScenarioPlayer& ScenarioPlayer::instance() {
    static ScenarioPlayer player;
    return player;
}

void ScenarioPlayer::add(const std::string& name, Build build) {
    scenarios_[name] = build;
}

void ScenarioPlayer::addStep(const std::string& what, StepFunction function,
                             std::chrono::milliseconds limit) {
    steps_.push_back({what, std::move(function), limit});
}

void ScenarioPlayer::start(Settings settings) {
    settings_ = std::move(settings);
    const std::string name = setting(tk73test::kScenarioSetting);
    // The library registers its scenarios as it is loaded; it stays for the program's life.
    const std::string library = setting(tk73test::kLibrarySetting);
    if (library.empty() || ::dlopen(library.c_str(), RTLD_NOW) == nullptr) {
        const char* error = library.empty() ? "no library named" : ::dlerror();
        write("FAIL cannot load the scenarios of " + library + ": " + error);
        return;
    }
    const auto found = scenarios_.find(name);
    if (found == scenarios_.end()) {
        write("FAIL no scenario " + name + " in " + library);
        return;
    }
    Scenario scenario;
    found->second(scenario);
    write("scenario " + name);
    // The steps start once the application is made whole and its first event loop runs.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this] {
            auto* timer = new QTimer(QCoreApplication::instance());
            QObject::connect(timer, &QTimer::timeout, timer, [this] { tick(); });
            timer->start(kTickMilliseconds);
        },
        Qt::QueuedConnection);
}

std::string ScenarioPlayer::setting(const std::string& name) const {
    const auto found = settings_.find(name);
    return found != settings_.end() ? found->second : std::string();
}

void ScenarioPlayer::write(const std::string& line) const {
    const std::string report = setting(tk73test::kReportSetting);
    if (report.empty()) {
        std::fprintf(stderr, "agent: %s\n", line.c_str());
        return;
    }
    if (std::FILE* file = std::fopen(report.c_str(), "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

std::string ScenarioPlayer::currentStep() const {
    return next_ < steps_.size() ? steps_[next_].what : std::string();
}

void ScenarioPlayer::tick() {
    // A step that waits in an event loop of its own (a key that opened a modal box) holds the
    // scenario until it returns.
    if (inStep_ || next_ >= steps_.size()) {
        return;
    }
    const Step& step = steps_[next_];
    const auto now = std::chrono::steady_clock::now();
    if (!begun_) {
        begun_ = true;
        since_ = now;
        write("step " + std::to_string(next_ + 1) + ": " + step.what);
    }
    inStep_ = true;
    const bool done = step.function();
    inStep_ = false;
    if (done) {
        begun_ = false;
        if (++next_ == steps_.size()) {
            write("END");
        }
    } else if (now - since_ > step.limit) {
        write("FAIL waited too long: " + step.what);
        std::_Exit(kTimedOut);
    }
}

}  // namespace tk73agent
