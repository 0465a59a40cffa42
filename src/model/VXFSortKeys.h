#pragma once
#include "foundation/VXCodePage.h"
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace vx {

// Sorts owned items ascending by N texts, each compared ordinally as the Windows-1251 bytes the
// files hold, a tie passing to the next text; equal items keep their order. Every key is
// encoded once.
template <size_t N, typename T, typename KeysOf>
void SortByTextKeys(std::vector<std::unique_ptr<T>>& items, KeysOf keysOf)
{
    using TKeys = std::array<QByteArray, N>;
    std::vector<std::pair<TKeys, std::unique_ptr<T>>> keyed;
    keyed.reserve(items.size());
    for (auto& item : items) {
        const std::array<QString, N> texts = keysOf(*item);
        TKeys keys;
        for (size_t i = 0; i < N; ++i)
            keys[i] = ToCp1251(texts[i]);
        keyed.emplace_back(std::move(keys), std::move(item));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = std::move(keyed[i].second);
}

} // namespace vx
