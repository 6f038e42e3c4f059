// The setting editors' fields as a user meets them in the real programs, played inside the
// program by the agent (tests/programs/agent); editor_program_test.cpp starts the programs on a
// staged store and reads the reports.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include "tests/programs/agent/program_agent.h"
#include "tests/ui_checks/layout_problems.h"

namespace {

using namespace tk73agent;

// The first usable edit field of the window whose text matches the pattern.
QLineEdit* fieldShowing(QWidget* window, const QString& pattern) {
    const QRegularExpression shape(QRegularExpression::anchoredPattern(pattern));
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        if (field->isVisible() && field->isEnabled() && shape.match(field->text()).hasMatch()) {
            return field;
        }
    }
    return nullptr;
}

StepFunction cancel(const QString& title) {
    return [title] {
        QWidget* window = shownWindow(title);
        if (window == nullptr) {
            return false;
        }
        press(buttonIn(window, QStringLiteral("Cancel")));
        return true;
    };
}

}  // namespace

// The tax table editor: a rate field takes only what a rate is made of, as it is typed.
TK73_AGENT_SCENARIO(taxRateTakesARateOnly) {
    scenario
        .step("a rate typed with letters",
              [] {
                  QWidget* window = shownWindow(QStringLiteral("Tax Table"));
                  QLineEdit* rate = window != nullptr
                                        ? fieldShowing(window, QStringLiteral("\\d+\\.\\d{4}"))
                                        : nullptr;
                  if (rate == nullptr) {
                      return false;
                  }
                  rate->setFocus();
                  rate->selectAll();
                  QTest::keyClicks(rate, QStringLiteral("1a2.b5%"));
                  check(rate->text() == QStringLiteral("12.5"),
                        QStringLiteral("the rate field holds ") + rate->text());
                  picture(window, QStringLiteral("tax-rate"));
                  return true;
              })
        .step("Cancel", cancel(QStringLiteral("Tax Table")));
}

// The receipt message editor: its pages keep every note in the window (the range of a line count
// beside its field, not a window of its own), and a double quote typed into a message line
// becomes a blank while the keys typed after it still arrive.
TK73_AGENT_SCENARIO(messageLinesTakeQuotesAsBlanks) {
    scenario
        .step("every page laid out in its window",
              [] {
                  QWidget* window = shownWindow(QStringLiteral("Receipt Message"));
                  if (window == nullptr) {
                      return false;
                  }
                  auto* pages = window->findChild<QTabWidget*>();
                  for (int page = 0; pages != nullptr && page < pages->count(); ++page) {
                      pages->setCurrentIndex(page);
                      QCoreApplication::processEvents();
                      for (const QString& problem : tk73test::layoutProblems(window)) {
                          check(false, problem);
                      }
                      picture(window, QStringLiteral("rcpt-message-%1").arg(page + 1));
                  }
                  if (pages != nullptr) {
                      pages->setCurrentIndex(0);
                  }
                  for (const QString& problem : tk73test::strayWindows()) {
                      check(false, problem);
                  }
                  return true;
              })
        .step("a quote typed into a message line",
              [] {
                  QWidget* window = shownWindow(QStringLiteral("Receipt Message"));
                  // A message line: a text field, no number.
                  QLineEdit* line = nullptr;
                  for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
                      if (line == nullptr && field->isVisible() && field->isEnabled() &&
                          field->validator() == nullptr) {
                          line = field;
                      }
                  }
                  if (!check(line != nullptr, QStringLiteral("no message line"))) {
                      return true;
                  }
                  window->activateWindow();
                  line->setFocus();
                  line->selectAll();
                  QTest::keyClicks(line, QStringLiteral("AB\"CD"));
                  check(line->text() == QStringLiteral("AB CD"),
                        QStringLiteral("the line holds ") + line->text());
                  check(QToolTip::text() ==
                            QStringLiteral("Can not enter [\"], translate to white space."),
                        QStringLiteral("the note reads ") + QToolTip::text());
                  return true;
              })
        .step("Cancel", cancel(QStringLiteral("Receipt Message")));
}
