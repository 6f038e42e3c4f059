// The test agent as a generic plugin of Qt: a program of the suite started with
// QT_QPA_GENERIC_PLUGINS=tk73agent and this folder's parent on QT_PLUGIN_PATH loads it while its
// QApplication starts, unchanged in every other way (tests/programs/README.md).

#include <QGenericPlugin>

#include "tests/programs/agent/agent_start.h"

namespace tk73agent {

class AgentPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "agent_plugin.json")

  public:
    QObject* create(const QString& name, const QString& /*parameters*/) override {
        return name.compare(QStringLiteral("tk73agent"), Qt::CaseInsensitive) == 0 ? startAgent()
                                                                                   : nullptr;
    }
};

}  // namespace tk73agent

#include "agent_plugin.moc"
