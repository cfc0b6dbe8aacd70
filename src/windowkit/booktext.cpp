#include "windowkit/booktext.h"

#include "store/codepage.h"

namespace quarrow {

QString fromBook(std::string_view text)
{
    return QString::fromStdString(utf8FromWindows1252(text));
}

std::string toBook(const QString& text)
{
    return windows1252FromUtf8(text.toStdString());
}

} // namespace quarrow
