#include "windowkit/desktop.h"

#include "windowkit/booktext.h"

namespace quarrow {

// The system's reason, where it gave one, on a line of its own.
void Desktop::showFailure(const char* head, const char* description, const char* tail,
                          const std::string& reason)
{
    QString text = QString::fromLatin1(head) + fromBook(description) + QString::fromLatin1(tail);
    if (!reason.empty())
        text += QLatin1Char('\n') + QString::fromStdString(reason);
    message(text);
}

} // namespace quarrow
