#pragma once
// The system's general container: a list of CP932 texts kept in byte order, optionally ignoring duplicates.
// Ranks are made by adding fixed-width keys and numbering the items, so byte order must equal the order of
// the fixed-width numbers (blank < digit), which plain byte comparison gives.
#include <string>
#include <string_view>
#include <vector>

namespace renoka {

class SortedStringList {
public:
    enum class Duplicates { Accept, Ignore };

    explicit SortedStringList(Duplicates duplicates = Duplicates::Accept) : m_duplicates(duplicates) {}

    // Inserts in order and returns the index of the item; with Ignore, an equal item already present is kept
    // and its index is returned. Equal items are kept in the order they were added.
    int add(std::string text);
    // Index of an equal item, or -1.
    int indexOf(std::string_view text) const;
    bool contains(std::string_view text) const { return indexOf(text) >= 0; }
    void removeAt(int index);
    void clear() { m_items.clear(); }

    int count() const { return static_cast<int>(m_items.size()); }
    bool empty() const { return m_items.empty(); }
    // Range-checked: an index outside the list is a range error.
    const std::string& operator[](int index) const;
    const std::vector<std::string>& items() const { return m_items; }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    Duplicates m_duplicates;
    std::vector<std::string> m_items;
};

} // namespace renoka
