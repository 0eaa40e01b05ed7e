// CStringArray: a growable array of CString addressed by int index.
#pragma once

#include "CString.h"

#include <vector>

class CStringArray {
public:
    int GetSize() const noexcept { return static_cast<int>(m_items.size()); }
    int GetCount() const noexcept { return GetSize(); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    bool IsEmpty() const noexcept { return m_items.empty(); }

    // Grows with empty strings or cuts off the tail.
    void SetSize(int newSize) { m_items.resize(static_cast<size_t>(newSize < 0 ? 0 : newSize)); }
    void RemoveAll() noexcept { m_items.clear(); }

    // Returns the index of the new element.
    int Add(const CString& text) { m_items.push_back(text); return GetUpperBound(); }
    void InsertAt(int index, const CString& text) { m_items.insert(m_items.begin() + Checked(index, 1), text); }
    void RemoveAt(int index) { m_items.erase(m_items.begin() + Checked(index, 0)); }

    const CString& GetAt(int index) const { return m_items.at(static_cast<size_t>(index)); }
    void SetAt(int index, const CString& text) { m_items.at(static_cast<size_t>(index)) = text; }
    CString& ElementAt(int index) { return m_items.at(static_cast<size_t>(index)); }
    const CString& operator[](int index) const { return GetAt(index); }
    CString& operator[](int index) { return ElementAt(index); }

private:
    // Valid positions are 0..size-1, or 0..size where one past the end is allowed.
    std::ptrdiff_t Checked(int index, int pastEnd) const;

    std::vector<CString> m_items;
};
