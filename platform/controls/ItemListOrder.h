// The order of the items of combo and list boxes: by text, ignoring case, stable for equal
// texts; and the search of an item by its first characters. Shared by the controls that
// keep their own item lists.
#pragma once

#include "platform/rtl/Types.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace platform::detail {

inline bool ItemSortsBefore(const String& A, const String& B) {
    return A.compare(B, Qt::CaseInsensitive) < 0;
}

// Where S goes into the sorted Items: after every item that does not sort after it.
template <class ItemT> int SortedInsertIndex(const std::vector<ItemT>& Items, const String& S) {
    return int(std::upper_bound(Items.begin(), Items.end(), S,
                                [](const String& s, const ItemT& i) { return ItemSortsBefore(s, i.Text); }) -
               Items.begin());
}

// Sorts Items by text; returns, for each new position, the position its item had before.
template <class ItemT> std::vector<int> SortItemList(std::vector<ItemT>& Items) {
    std::vector<int> order(Items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&Items](int a, int b) {
        return ItemSortsBefore(Items[std::size_t(a)].Text, Items[std::size_t(b)].Text);
    });
    std::vector<ItemT> sorted;
    sorted.reserve(order.size());
    for (int old : order)
        sorted.push_back(Items[std::size_t(old)]);
    Items = std::move(sorted);
    return order;
}

// The new position of the item that stood at Old, in an order SortItemList returned; -1
// when no item stood there.
inline int SortedPosition(const std::vector<int>& Order, int Old) {
    const auto it = std::find(Order.begin(), Order.end(), Old);
    return it == Order.end() ? -1 : int(it - Order.begin());
}

// The first item after After, wrapping round (After itself last), whose text starts with
// Prefix, ignoring case; -1 when none does.
template <class ItemT> int FindItemPrefix(const std::vector<ItemT>& Items, const String& Prefix, int After) {
    const int n = int(Items.size());
    for (int k = 1; k <= n; ++k) {
        const int i = (After + k + n) % n;
        if (Items[std::size_t(i)].Text.startsWith(Prefix, Qt::CaseInsensitive)) return i;
    }
    return -1;
}

} // namespace platform::detail
