#pragma once
// The ordered list with one built-in cursor that the card model is made of.
// Owning lists delete what they still hold when destroyed; the paint order and
// a game's list of foundations only refer to what others own.
#include <QtGlobal>
#include <algorithm>
#include <list>

namespace quenby {

template <class T, bool Owning>
class CursorList {
public:
    CursorList() : cursor_(items_.end()) {}
    CursorList(const CursorList&) = delete;
    CursorList& operator=(const CursorList&) = delete;
    ~CursorList()
    {
        if constexpr (Owning)
            DeleteAll();
    }

    // First puts the cursor on the head and returns it, leaving the cursor on
    // the following element; Next returns the element under the cursor and
    // advances. Both return null at the end. Do not nest walks of one list.
    T* First()
    {
        cursor_ = items_.begin();
        return Next();
    }
    T* Next()
    {
        if (cursor_ == items_.end())
            return nullptr;
        return *cursor_++;
    }

    T* Head() const { return items_.empty() ? nullptr : items_.front(); }
    T* Last() const { return items_.empty() ? nullptr : items_.back(); }
    int Count() const { return int(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    bool Contains(const T* element) const { return std::find(items_.begin(), items_.end(), element) != items_.end(); }

    void AddHead(T* element) { items_.push_front(element); }
    void AddTail(T* element) { items_.push_back(element); }

    // Unlinks the element; nothing happens when it is absent.
    void Remove(T* element)
    {
        const auto it = std::find(items_.begin(), items_.end(), element);
        if (it == items_.end())
            return;
        if (it == cursor_)
            ++cursor_;
        items_.erase(it);
    }
    void MoveToTail(T* element)
    {
        Remove(element);
        AddTail(element);
    }
    // Inserts `added` directly before `existing` (nearer the head); nothing
    // happens when `existing` is not in the list.
    void InsertBefore(T* existing, T* added)
    {
        const auto it = std::find(items_.begin(), items_.end(), existing);
        if (it != items_.end())
            items_.insert(it, added);
    }
    // Unlinks everything, deleting nothing.
    void RemoveAll()
    {
        items_.clear();
        cursor_ = items_.end();
    }
    void DeleteAll()
        requires Owning
    {
        for (T* element : items_)
            delete element;
        RemoveAll();
    }

    // Read-only walks that leave the cursor alone (painting, tests).
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::list<T*> items_;
    typename std::list<T*>::iterator cursor_;
};

class Card;
class Pile;
using CardList = CursorList<Card, true>;
using PaintList = CursorList<Card, false>;
using PileList = CursorList<Pile, true>;
using PileRefList = CursorList<Pile, false>;

} // namespace quenby
