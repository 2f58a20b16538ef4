#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantorelle::MStringSortRoutines {

/// Three-way comparison (-1, 0, 1) of two texts. Binary: by code point (UTF-8 byte order). Otherwise
/// case-insensitive: first on the letters with case and accents set aside ("é" as "e", "œ" as "oe", "ß" as
/// "ss"), then, between texts equal on that, on the case-folded letters with their accents, by code point;
/// texts differing only in case are equal.
int Compare(std::string_view x, std::string_view y, bool caseSensitive);

/// Sorts the whole array in place, ascending or descending (the quick sort with insertion sort for ranges of
/// up to 61 elements; not stable above that).
void SortStringArray(std::span<std::string> a, bool ascending, bool caseSensitive);
void SortStringArray(std::vector<std::string>& a, bool ascending, bool caseSensitive);

/// The same sort over any elements, ordered by `comparer(x, y)` (-1, 0, 1) on their string forms.
template <class E, class Comparer>
void trier(std::span<E> a, bool ascending, Comparer comparer) {
    if (a.size() < 2) return;
    const int sign = ascending ? 1 : -1;

    const auto insertion = [&](std::ptrdiff_t lo, std::ptrdiff_t hi) {
        for (std::ptrdiff_t i = lo + 1; i <= hi; ++i) {
            E t = std::move(a[i]);
            std::ptrdiff_t j = i - 1;
            while (j >= lo && comparer(a[j], t) == sign) {
                a[j + 1] = std::move(a[j]);
                --j;
            }
            a[j + 1] = std::move(t);
        }
    };

    const auto partition = [&](std::ptrdiff_t lo, std::ptrdiff_t hi) {
        const std::ptrdiff_t mid = lo + (hi - lo) / 2;
        E pivot = std::move(a[mid]);
        // The slot at lo is read again only after being overwritten, so a copy is not needed.
        a[mid] = std::move(a[lo]);
        std::ptrdiff_t i = lo + 1;
        std::ptrdiff_t j = hi;
        for (;;) {
            while (i < j && comparer(pivot, a[i]) == sign) ++i;
            while (i <= j && comparer(a[j], pivot) == sign) --j;
            if (i >= j) break;
            std::swap(a[i], a[j]);
            ++i;
            --j;
        }
        if (j != lo) a[lo] = std::move(a[j]);
        a[j] = std::move(pivot);
        return j;
    };

    const auto plage = [&](auto& soi, std::ptrdiff_t lo, std::ptrdiff_t hi) -> void {
        if (hi - lo <= 60) {
            insertion(lo, hi);
            return;
        }
        while (lo < hi) {
            const std::ptrdiff_t p = partition(lo, hi);
            if (p - lo <= hi - p) {
                soi(soi, lo, p - 1);
                lo = p + 1;
            } else {
                soi(soi, p + 1, hi);
                hi = p - 1;
            }
        }
    };
    plage(plage, 0, static_cast<std::ptrdiff_t>(a.size()) - 1);
}

}  // namespace vantorelle::MStringSortRoutines
