#pragma once
// Runs an editor program as the shell would, for the tests of its start-up.

#include <QString>
#include <QStringList>

namespace tk73editortest {

// The program's exit code; -1 when it does not start or does not end within the time given.
int exitCodeOf(const QString& program, const QStringList& arguments, int milliseconds = 30000);

}  // namespace tk73editortest
