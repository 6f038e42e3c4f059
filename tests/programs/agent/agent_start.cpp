#include "tests/programs/agent/agent_start.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include "tests/programs/agent/agent_settings.h"
#include "tests/programs/agent/request_server.h"
#include "tests/programs/agent/scenario_player.h"
#include "tests/programs/agent_protocol.h"

namespace tk73agent {

QObject* startAgent() {
    // Qt fills large areas on the threads of its global pool. Idle threads wait for more work
    // until the program exits, and one still ending then holds Qt's record of it where the leak
    // checker of the sanitizer build no longer looks: a leak report in a program that has none.
    // Ended right after their work, they are long gone when the program exits.
    QThreadPool::globalInstance()->setExpiryTimeout(0);
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
