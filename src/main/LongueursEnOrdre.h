#pragma once
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

namespace vantorelle {

/// The length that the quote series of one object reused for every security of a group would show when it
/// reaches each security. A series never shrinks on a reload, and indicators test that length, so a scan on
/// several objects must give each security the length the one object would have: the largest length loaded
/// before it in group order. A weekly or monthly load replaces the object, so its length replaces the length.
class LongueursEnOrdre {
public:
    /// `initiale`: the length before the first security; `remplacée`: each load replaces the length.
    LongueursEnOrdre(std::size_t valeurs, std::int32_t initiale, bool remplacée);

    /// The length of security k's series after its load (nullopt: the load did not change them).
    void publier(std::size_t k, std::optional<std::int32_t> longueur);
    /// The length before security k's load, once every security before it has published.
    std::int32_t avant(std::size_t k);
    /// The length after security k, once it and every security before it have published.
    std::int32_t après(std::size_t k) { return avant(k + 1); }

private:
    std::vector<std::optional<std::int32_t>> publiées_;
    std::vector<bool> faites_;
    std::vector<std::int32_t> longueurs_;  // k: the length before security k, known for k up to `préfixe_`
    std::size_t préfixe_ = 0;              // the securities before this one have all published
    bool remplacée_;
    std::mutex verrou_;
    std::condition_variable publiée_;
};

/// Where a security stands in a scan on several quote objects: its rank in the group, from 0, and the lengths.
struct RangEnOrdre {
    LongueursEnOrdre& longueurs;
    std::size_t k;
};

}  // namespace vantorelle
