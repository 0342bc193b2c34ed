// A list of heap elements that owns them: it deletes every element when it is cleared and when it goes.
#pragma once

#include <type_traits>
#include <utility>

#include "masonry/CTemplateList.h"

template <class TPtr>
class CTemplatePtrList : public CTemplateList<TPtr> {
    static_assert(std::is_pointer_v<TPtr>, "CTemplatePtrList holds pointers to the elements it owns");

public:
    CTemplatePtrList() = default;
    // Owning lists are not copied (two owners would delete the same elements twice).
    CTemplatePtrList(const CTemplatePtrList&) = delete;
    CTemplatePtrList& operator=(const CTemplatePtrList&) = delete;
    CTemplatePtrList(CTemplatePtrList&& other) noexcept : CTemplateList<TPtr>(std::move(other)) { other.m_items.clear(); }
    CTemplatePtrList& operator=(CTemplatePtrList&& other) noexcept {
        if (this != &other) {
            RemoveAll();
            this->m_items = std::move(other.m_items);
            other.m_items.clear();
        }
        return *this;
    }
    ~CTemplatePtrList() override { RemoveAll(); }

    // Deletes every element, then empties the list.
    void RemoveAll() override {
        for (TPtr item : this->m_items) {
            delete item;
        }
        this->m_items.clear();
    }
};
