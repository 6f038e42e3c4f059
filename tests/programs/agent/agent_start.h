#pragma once
// The agent's start in a program that loaded it (plugin/): it takes the test's settings out of
// the environment (agent_settings.h), answers the test's requests when the test named a socket
// folder (request_server.h) and plays a scenario when it named one (scenario_player.h). Without
// the settings it does nothing.

class QObject;

namespace tk73agent {

// The object that holds the agent's parts for the application's life.
QObject* startAgent();

}  // namespace tk73agent
