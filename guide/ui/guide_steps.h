#pragma once
// The steps the guide's scenarios are made of (guide_scenarios.cpp, window_scenarios.cpp and
// progress_scenario.cpp): finding the window a chapter shows, acting on it as a user does, and
// saving its picture.

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

#include "tests/programs/agent/program_agent.h"

class QWidget;

namespace tk73guide {

using tk73agent::StepFunction;

// The main window of the register tool in every layout.
inline const QString kMain = QStringLiteral("ECR Setting Tool for LMX/TK series Ver1.00");

// The picture of the window the finder answers, once it has been shown for a while, with
// callouts on the controls (a button's text or name, a widget's object name or class).
StepFunction shoot(std::function<QWidget*()> finder, const QString& name, const QStringList& marks,
                   const std::string& folder);

// Finders of the window to shoot.
std::function<QWidget*()> titled(const QString& title);
std::function<QWidget*()> titleStarting(const QString& start);
std::function<QWidget*()> ownedDialog();
std::function<QWidget*()> shownMenu();
// The modal window in front whose title is the text.
std::function<QWidget*()> modalTitled(const QString& title);
// The file dialog in front.
std::function<QWidget*()> fileDialog();

// Presses the button of the window the finder answers, once both are enabled.
StepFunction pressInDialog(std::function<QWidget*()> finder, const QString& button);
// Presses the button of the window with the title, once both are enabled.
StepFunction pressIn(const QString& title, const QString& button);
// Presses the button of the message box that shows.
StepFunction answerMessage(const QString& button);
// Clicks the first record of the list in the window, as a user picks it.
StepFunction pickFirstRecord(const QString& title);
// The card folder of the SD card dialog (the demo's card), then OK.
StepFunction openCard();
// Waits until the main window's title starts with the text.
StepFunction mainTitleStarts(const QString& start);
// Chooses the entry of the menu that shows.
StepFunction chooseFromMenu(const QString& entry);
// Ends the program once the report is written.
StepFunction finish();

}  // namespace tk73guide

// A window shown as it opens, with callouts on the controls the chapter explains (none or more).
#define TK73_GUIDE_WINDOW(scenarioName, title, picture, ...)                                   \
    TK73_AGENT_SCENARIO(scenarioName) {                                                        \
        const std::string out = scenario.argument("PICTURES");                                 \
        scenario                                                                               \
            .step("the window", tk73guide::shoot(tk73guide::titled(QStringLiteral(title)),     \
                                                 QStringLiteral(picture), {__VA_ARGS__}, out)) \
            .step("end", tk73guide::finish());                                                 \
    }
