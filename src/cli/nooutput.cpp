#include "cli/quarrowbook.h"

namespace quarrow {

// A build without Qt prints nothing: quarrow-book offers neither --pdf nor --print.
std::unique_ptr<BookOutput> makeBookOutput()
{
    return nullptr;
}

} // namespace quarrow
