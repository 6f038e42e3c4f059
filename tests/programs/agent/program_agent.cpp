#include "tests/programs/agent/program_agent.h"

#include <QDir>

#include "tests/programs/agent/scenario_player.h"
#include "tests/programs/agent_protocol.h"

namespace tk73agent {

Scenario& Scenario::step(const std::string& what, StepFunction function,
                         std::chrono::milliseconds limit) {
    ScenarioPlayer::instance().addStep(what, std::move(function), limit);
    return *this;
}

std::string Scenario::argument(const std::string& name) const {
    return ScenarioPlayer::instance().setting(tk73test::kArgumentSetting + name);
}

Registration::Registration(const char* name, Build build) {
    ScenarioPlayer::instance().add(name, build);
}

bool check(bool condition, const QString& what) {
    if (!condition) {
        const ScenarioPlayer& player = ScenarioPlayer::instance();
        player.write("FAIL " + player.currentStep() + ": " + what.toStdString());
    }
    return condition;
}

void note(const QString& what) {
    ScenarioPlayer::instance().write("note " + what.toStdString());
}

void picture(QWidget* widget, const QString& name) {
    const QString folder =
        QString::fromStdString(ScenarioPlayer::instance().setting(tk73test::kPicturesSetting));
    if (folder.isEmpty()) {
        return;
    }
    QDir().mkpath(folder);
    check(widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")),
          QStringLiteral("cannot save the picture ") + name);
}

}  // namespace tk73agent
