// A list of values that grows at its tail and keeps its count.
#pragma once

#include <cstddef>
#include <vector>

template <class T>
class CTemplateList {
public:
    using const_iterator = typename std::vector<T>::const_iterator;

    // Appends at the tail.
    void AddTail(const T& value) { m_items.push_back(value); }
    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    // The first and the last element; the list must not be empty.
    const T& GetHead() const { return m_items.front(); }
    const T& GetTail() const { return m_items.back(); }
    // The element at a position from the head, 0-based; the position must be below GetCount().
    const T& GetAt(int index) const { return m_items[static_cast<std::size_t>(index)]; }
    virtual void RemoveAll() { m_items.clear(); }

    // Head to tail.
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

    CTemplateList() = default;
    CTemplateList(const CTemplateList&) = default;
    CTemplateList& operator=(const CTemplateList&) = default;
    CTemplateList(CTemplateList&&) noexcept = default;
    CTemplateList& operator=(CTemplateList&&) noexcept = default;
    virtual ~CTemplateList() = default;

protected:
    std::vector<T> m_items;
};
