#pragma once
#include <sys/mman.h>

#include <cstddef>
#include <cstdlib>
#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace vantorelle {

/// Gives large arrays huge pages: a series of a million values would otherwise be faulted in four kilobytes
/// at a time, which costs more than computing it. Small arrays come from the usual allocator.
template <class T>
struct AllocateurGrandsBlocs {
    using value_type = T;

    AllocateurGrandsBlocs() = default;
    template <class U>
    AllocateurGrandsBlocs(const AllocateurGrandsBlocs<U>&) noexcept {}

    T* allocate(std::size_t n) {
        // Leaves room to round the size up to whole huge pages.
        if (n > (static_cast<std::size_t>(std::numeric_limits<std::ptrdiff_t>::max()) - grandePage) / sizeof(T))
            throw std::bad_array_new_length();
        if (!grand(n)) return std::allocator<T>{}.allocate(n);
        const std::size_t octets = arrondi(n);
        void* p = std::aligned_alloc(grandePage, octets);
        if (p == nullptr) throw std::bad_alloc();
        ::madvise(p, octets, MADV_HUGEPAGE);  // only a hint: without huge pages the memory is just as good
        return static_cast<T*>(p);
    }

    void deallocate(T* p, std::size_t n) noexcept {
        if (grand(n))
            std::free(p);
        else
            std::allocator<T>{}.deallocate(p, n);
    }

    template <class U>
    bool operator==(const AllocateurGrandsBlocs<U>&) const noexcept {
        return true;
    }

private:
    static constexpr std::size_t grandePage = std::size_t{2} << 20;

    static bool grand(std::size_t n) { return n * sizeof(T) >= grandePage; }
    static std::size_t arrondi(std::size_t n) { return (n * sizeof(T) + grandePage - 1) / grandePage * grandePage; }
};

/// A vector whose large stores get huge pages.
template <class T>
using Tableau = std::vector<T, AllocateurGrandsBlocs<T>>;

}  // namespace vantorelle
