#pragma once
// The one place where the suite's texts meet Qt's: every text the libraries hand to a widget and
// every text a widget hands back (a typed name, a chosen path) passes these two functions, which
// convert between the installation's code page and Qt's Unicode.

#include <QString>

#include <string>
#include <string_view>

namespace tk73 {

QString toQString(std::string_view text);
std::string fromQString(const QString& text);

}  // namespace tk73
