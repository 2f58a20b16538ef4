#pragma once
#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
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
    /// The size of a huge page: arrays of that size or more are given whole huge pages.
    static constexpr std::size_t grandePage = std::size_t{2} << 20;

    AllocateurGrandsBlocs() = default;
    template <class U>
    AllocateurGrandsBlocs(const AllocateurGrandsBlocs<U>&) noexcept {}

    T* allocate(std::size_t n) {
        // Leaves room to round the size up to whole huge pages, and to map one more.
        if (n > (static_cast<std::size_t>(std::numeric_limits<std::ptrdiff_t>::max()) - 2 * grandePage) / sizeof(T))
            throw std::bad_array_new_length();
        if (!grand(n)) return std::allocator<T>{}.allocate(n);
        // Mapped apart from the heap: a block the heap hands back may be faulted in small pages already in
        // part, and then the rest of it is faulted in small pages too.
        const std::size_t octets = arrondi(n);
        void* zone = ::mmap(nullptr, octets + grandePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (zone == MAP_FAILED) throw std::bad_alloc();
        // Mapped one huge page longer, then trimmed to a huge page's boundary at both ends.
        const std::size_t avant = (grandePage - reinterpret_cast<std::uintptr_t>(zone) % grandePage) % grandePage;
        char* bloc = static_cast<char*>(zone) + avant;
        if (avant > 0) ::munmap(zone, avant);
        if (avant < grandePage) ::munmap(bloc + octets, grandePage - avant);
        ::madvise(bloc, octets, MADV_HUGEPAGE);  // only a hint: without huge pages the memory is just as good
        return reinterpret_cast<T*>(bloc);
    }

    void deallocate(T* p, std::size_t n) noexcept {
        if (grand(n))
            ::munmap(p, arrondi(n));
        else
            std::allocator<T>{}.deallocate(p, n);
    }

    template <class U>
    bool operator==(const AllocateurGrandsBlocs<U>&) const noexcept {
        return true;
    }

private:
    static bool grand(std::size_t n) { return n * sizeof(T) >= grandePage; }
    static std::size_t arrondi(std::size_t n) { return (n * sizeof(T) + grandePage - 1) / grandePage * grandePage; }
};

/// A vector whose large stores get huge pages.
template <class T>
using Tableau = std::vector<T, AllocateurGrandsBlocs<T>>;

}  // namespace vantorelle
