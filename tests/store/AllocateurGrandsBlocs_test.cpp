#include "store/AllocateurGrandsBlocs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace vantorelle {
namespace {

constexpr std::size_t grandePage = AllocateurGrandsBlocs<char>::grandePage;

// Sizes about the huge page, where the allocator switches from the usual heap to pages of its own.
TEST(AllocateurGrandsBlocs, ChaqueOctetDemandéEstÀSoi) {
    const std::vector<std::size_t> tailles{grandePage - 1, grandePage, grandePage + 1, 5 * grandePage + 12345};
    for (const std::size_t octets : tailles) {
        SCOPED_TRACE(octets);
        AllocateurGrandsBlocs<char> allocateur;
        char* bloc = allocateur.allocate(octets);
        if (octets >= grandePage) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bloc) % grandePage, 0u);
        }
        // Every page and the last byte, each with a mark of its own.
        std::vector<std::size_t> positions;
        for (std::size_t i = 0; i < octets; i += 4096) positions.push_back(i);
        positions.push_back(octets - 1);
        const auto marque = [](std::size_t i) { return static_cast<char>(i / 4096 + i % 7); };
        for (const std::size_t i : positions) bloc[i] = marque(i);
        for (const std::size_t i : positions) ASSERT_EQ(bloc[i], marque(i));
        allocateur.deallocate(bloc, octets);
    }
}

TEST(AllocateurGrandsBlocs, UnTableauQuiGranditGardeSesValeurs) {
    Tableau<std::uint32_t> valeurs;
    for (std::uint32_t i = 0; i < 3'000'000; ++i) valeurs.push_back(i);
    Tableau<std::uint32_t> attendues(valeurs.size());
    std::iota(attendues.begin(), attendues.end(), 0u);
    EXPECT_EQ(valeurs, attendues);
    valeurs.resize(10);
    valeurs.shrink_to_fit();
    EXPECT_EQ(valeurs.back(), 9u);
}

}  // namespace
}  // namespace vantorelle
