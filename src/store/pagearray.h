#pragma once

#include "store/bookpage.h"

#include <memory>
#include <vector>

namespace quarrow {

// A fixed-capacity, 0-based array of pages. Pages are allocated when first written, so an
// empty book holds no memory; the capacity stays a hard limit.
class PageArray
{
public:
    explicit PageArray(int capacity) : m_capacity(capacity) {}

    int capacity() const { return m_capacity; }

    // The page at `index`; a page never written reads as empty.
    // Fails with "Subscript out of range" outside 0..capacity-1.
    const BookPage& read(int index) const;

    // The page at `index`, allocated if needed, for writing. References stay valid while
    // further pages are allocated. Fails with "Subscript out of range" outside the capacity.
    BookPage& write(int index);

    // Empties every page and releases their memory.
    void clear() { m_pages.clear(); }

private:
    void checkIndex(int index) const;

    int m_capacity;
    std::vector<std::unique_ptr<BookPage>> m_pages;
};

} // namespace quarrow
