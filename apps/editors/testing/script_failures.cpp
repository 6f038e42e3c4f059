#include "apps/editors/testing/script_failures.h"

#include <gtest/gtest.h>

namespace tk73editortest {

QStringList takeScriptFailures() {
    static int taken = 0;
    const testing::TestResult& reports = testing::UnitTest::GetInstance()->ad_hoc_test_result();
    QStringList failures;
    for (; taken < reports.total_part_count(); ++taken) {
        failures << QString::fromStdString(reports.GetTestPartResult(taken).message());
    }
    return failures;
}

}  // namespace tk73editortest
