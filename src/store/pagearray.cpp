#include "store/pagearray.h"

#include "store/runerror.h"

namespace quarrow {

void PageArray::checkIndex(int index) const
{
    if (index < 0 || index >= m_capacity)
        fail(errors::kSubscriptOutOfRange);
}

const BookPage& PageArray::read(int index) const
{
    static const BookPage emptyPage;
    checkIndex(index);
    auto at = static_cast<std::size_t>(index);
    return at < m_pages.size() && m_pages[at] ? *m_pages[at] : emptyPage;
}

BookPage& PageArray::write(int index)
{
    checkIndex(index);
    auto at = static_cast<std::size_t>(index);
    if (at >= m_pages.size())
        m_pages.resize(at + 1);
    if (!m_pages[at])
        m_pages[at] = std::make_unique<BookPage>();
    return *m_pages[at];
}

} // namespace quarrow
