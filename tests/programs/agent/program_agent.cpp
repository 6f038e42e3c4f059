#include "tests/programs/agent/program_agent.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMetaObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

extern char** environ;

namespace tk73agent {

namespace {

// The exit code of a program whose scenario waited too long; no program of the suite ends so.
constexpr int kTimedOut = 97;
constexpr int kTickMilliseconds = 25;
constexpr const char* kPrefix = "TK73_AGENT_";

struct Step {
    std::string what;
    StepFunction function;
    std::chrono::milliseconds limit;
};

class Agent {
  public:
    static Agent& instance() {
        static Agent agent;
        return agent;
    }

    std::map<std::string, Build>& scenarios() { return scenarios_; }
    std::vector<Step>& steps() { return steps_; }
    std::map<std::string, std::string>& arguments() { return arguments_; }

    // Called as the program's QApplication is made: takes the agent's settings out of the
    // environment, so that the programs this one starts play no scenario, and starts the steps.
    void start() {
        takeSettings();
        const std::string name = arguments_["SCENARIO"];
        if (name.empty()) {
            return;
        }
        const auto found = scenarios_.find(name);
        if (found == scenarios_.end()) {
            write("FAIL no scenario " + name);
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

    void write(const std::string& line) {
        const std::string& report = arguments_["REPORT"];
        if (report.empty()) {
            std::fprintf(stderr, "agent: %s\n", line.c_str());
            return;
        }
        if (std::FILE* file = std::fopen(report.c_str(), "a")) {
            std::fprintf(file, "%s\n", line.c_str());
            std::fclose(file);
        }
    }

    const std::string& currentStep() const {
        static const std::string none;
        return next_ < steps_.size() ? steps_[next_].what : none;
    }

  private:
    void takeSettings() {
        std::vector<std::string> names;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string assignment = *entry;
            const size_t equals = assignment.find('=');
            if (assignment.rfind(kPrefix, 0) == 0 && equals != std::string::npos) {
                names.push_back(assignment.substr(0, equals));
                arguments_[assignment.substr(std::strlen(kPrefix), equals - std::strlen(kPrefix))] =
                    assignment.substr(equals + 1);
            }
        }
        for (const std::string& variable : names) {
            ::unsetenv(variable.c_str());
        }
        ::unsetenv("LD_PRELOAD");
    }

    void tick() {
        // A step that waits in an event loop of its own (a key that opened a modal box) holds
        // the scenario until it returns.
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

    std::map<std::string, Build> scenarios_;
    std::vector<Step> steps_;
    std::map<std::string, std::string> arguments_;
    size_t next_ = 0;
    bool begun_ = false;
    bool inStep_ = false;
    std::chrono::steady_clock::time_point since_;
};

void startAgent() {
    Agent::instance().start();
}

// The title without the "&" of a mnemonic.
QString plain(QString text) {
    return text.remove(QLatin1Char('&'));
}

}  // namespace

Scenario& Scenario::step(const std::string& what, StepFunction function,
                         std::chrono::milliseconds limit) {
    Agent::instance().steps().push_back({what, std::move(function), limit});
    return *this;
}

std::string Scenario::argument(const std::string& name) const {
    const auto& arguments = Agent::instance().arguments();
    const auto found = arguments.find("ARG_" + name);
    return found != arguments.end() ? found->second : std::string();
}

Registration::Registration(const char* name, Build build) {
    Agent::instance().scenarios()[name] = build;
}

bool check(bool condition, const QString& what) {
    if (!condition) {
        Agent::instance().write("FAIL " + Agent::instance().currentStep() + ": " +
                                what.toStdString());
    }
    return condition;
}

void note(const QString& what) {
    Agent::instance().write("note " + what.toStdString());
}

void later(std::function<void()> action) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(action),
                              Qt::QueuedConnection);
}

void press(QAbstractButton* button) {
    later([button] { button->click(); });
}

QWidget* shownWindow(const QString& title) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QString shown = window->windowTitle();
        if (window->isVisible() &&
            (shown == title || shown.endsWith(QStringLiteral(" - ") + title) ||
             shown.startsWith(title + QStringLiteral(" - ")))) {
            return window;
        }
    }
    return nullptr;
}

QMessageBox* shownMessage() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

QAbstractButton* buttonIn(const QWidget* widget, const QString& text) {
    for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
        if (plain(button->text()) == text || button->objectName() == text ||
            button->accessibleName() == text) {
            return button;
        }
    }
    return nullptr;
}

void picture(QWidget* widget, const QString& name) {
    const std::string& folder = Agent::instance().arguments()["PICTURES"];
    if (folder.empty()) {
        return;
    }
    QDir().mkpath(QString::fromStdString(folder));
    check(widget->grab().save(QString::fromStdString(folder) + QLatin1Char('/') + name +
                              QStringLiteral(".png")),
          QStringLiteral("cannot save the picture ") + name);
}

// The agent starts as the program makes its QApplication.
Q_COREAPP_STARTUP_FUNCTION(startAgent)

}  // namespace tk73agent
