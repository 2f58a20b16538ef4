#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "store/Encodage.h"

namespace vantorelle {

/// The search by halves on the keys of a line file sorted on its first tab-separated field, with lines of
/// about `taille` bytes (`Fichier::TrouveSeek`): the distance from the end of the file at which reading finds
/// `clé`, then 2 lines earlier (`avant`) or 3 later, within 0..`longueur`. `lire(début, n)` gives up to n
/// bytes of the file from byte `début` (counted from 0), valid until its next call.
template <class Lecture>
std::int32_t rechercheParClé(std::int64_t longueur, std::string_view clé, std::int32_t taille, bool avant,
                             Lecture&& lire) {
    // k / 2 rounded to the nearest integer, halves to even (k >= 0).
    const auto moitiéArrondie = [](std::int64_t k) {
        const std::int64_t q = k / 2;
        return (k % 2 != 0 && q % 2 != 0) ? q + 1 : q;
    };
    std::int64_t pos = moitiéArrondie(longueur);
    for (std::int64_t pas = moitiéArrondie(pos); pas >= taille; pas = moitiéArrondie(pas)) {
        const std::string_view octets =
            lire(std::max<std::int64_t>(pos - 1, 0), static_cast<std::size_t>(std::max(taille, 0)));
        const std::size_t finPremière = octets.find('\n');
        if (finPremière == std::string_view::npos) break;
        std::string_view ligne = octets.substr(finPremière + 1);
        const std::size_t finSeconde = ligne.find('\n');
        if (finSeconde != std::string_view::npos) {
            ligne = ligne.substr(0, finSeconde);
            if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        }
        if (ligne.empty()) break;
        const int ordre = depuisWindows1252(ligne.substr(0, ligne.find('\t'))).compare(clé);
        if (ordre > 0)
            pos -= pas;
        else if (ordre < 0)
            pos += pas;
    }
    std::int64_t r = longueur - pos + (avant ? 2 * std::int64_t{taille} : -3 * std::int64_t{taille});
    r = std::clamp<std::int64_t>(r, 0, longueur);
    return static_cast<std::int32_t>(std::min<std::int64_t>(r, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace vantorelle
