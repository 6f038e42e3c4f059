#pragma once
// The screenshots of the page sets, for review: every page of a dialog shown at the size it
// takes by itself, saved as "<name>-<page>.png" in the build folder's "screenshots", and checked
// for controls that are cut or on top of each other.

#include <QStringList>

#include <string>

class QDialog;

namespace tk73editortest {

// Shows the dialog at its own size, then grabs and checks each page of its tab control in turn
// (the dialog alone when it has none). Answers the problems found, each with its page; a page
// that cannot be saved is a problem too.
QStringList screenshotPages(QDialog& dialog, const std::string& name);

}  // namespace tk73editortest
