#include "text/SortedStringList.h"

#include "base/Errors.h"

#include <algorithm>

namespace renoka {

int SortedStringList::add(std::string text) {
    auto it = std::upper_bound(m_items.begin(), m_items.end(), text);
    if (m_duplicates == Duplicates::Ignore && it != m_items.begin() && *(it - 1) == text)
        return static_cast<int>(it - 1 - m_items.begin());
    it = m_items.insert(it, std::move(text));
    return static_cast<int>(it - m_items.begin());
}

int SortedStringList::indexOf(std::string_view text) const {
    auto it = std::lower_bound(m_items.begin(), m_items.end(), text,
                               [](const std::string& a, std::string_view b) { return std::string_view(a) < b; });
    if (it != m_items.end() && *it == text) return static_cast<int>(it - m_items.begin());
    return -1;
}

void SortedStringList::removeAt(int index) {
    checkIndex(index, count(), "リスト");
    m_items.erase(m_items.begin() + index);
}

const std::string& SortedStringList::operator[](int index) const {
    checkIndex(index, count(), "リスト");
    return m_items[static_cast<size_t>(index)];
}

} // namespace renoka
