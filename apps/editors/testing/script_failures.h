#pragma once
// The scripted user interaction reports a prompt it has no answer for, and answers left over,
// through GoogleTest, which a Qt Test program does not run: the reports collect in GoogleTest's
// record of failures outside a test. A Qt Test case takes them from there after each case.

#include <QStringList>

namespace tk73editortest {

// The reports since the last call.
QStringList takeScriptFailures();

}  // namespace tk73editortest
