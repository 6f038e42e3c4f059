#include "tests/programs/agent/agent_start.h"

#include <QObject>
#include <QString>

#include "tests/programs/agent/agent_settings.h"
#include "tests/programs/agent/request_server.h"
#include "tests/programs/agent/scenario_player.h"
#include "tests/programs/agent_protocol.h"

namespace tk73agent {

QObject* startAgent() {
    Settings settings = takeSettings();
    auto* agent = new QObject;
    const auto sockets = settings.find(tk73test::kSocketsSetting);
    if (sockets != settings.end()) {
        new RequestServer(QString::fromStdString(sockets->second), agent);
    }
    if (settings.count(tk73test::kScenarioSetting) != 0) {
        ScenarioPlayer::instance().start(std::move(settings));
    }
    return agent;
}

}  // namespace tk73agent
