#include "apps/editors/testing/program_run.h"

#include <QProcess>

namespace tk73editortest {

int exitCodeOf(const QString& program, const QStringList& arguments, int milliseconds) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(milliseconds)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace tk73editortest
