#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quarrow {

// Texts of the book are Windows-1252; the windows show Unicode. File names are not book
// texts: the program holds them as UTF-8 (QString::toStdString, QString::fromStdString).
QString fromBook(std::string_view text);
std::string toBook(const QString& text);

} // namespace quarrow
