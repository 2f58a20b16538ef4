#include "store/Chemins.h"

#include <algorithm>

namespace vantorelle {

namespace {

/// Where the last "/" is, when it is there and not the last character.
std::string_view::size_type dernierSéparateurIntérieur(std::string_view chemin) {
    const auto k = chemin.rfind('/');
    if (k == std::string_view::npos || k + 1 == chemin.size()) return std::string_view::npos;
    return k;
}

}  // namespace

std::string NomCourtDe(std::string_view chemin) {
    const auto k = dernierSéparateurIntérieur(chemin);
    return k == std::string_view::npos ? std::string() : std::string(chemin.substr(k + 1));
}

std::string RépertoireDe(std::string_view chemin) {
    const auto k = dernierSéparateurIntérieur(chemin);
    return k == std::string_view::npos ? std::string() : std::string(chemin.substr(0, k + 1));
}

std::string DisqueDe(std::string_view chemin) {
    const auto k = chemin.find(':');
    return k == std::string_view::npos || k == 0 ? std::string() : std::string(chemin.substr(0, k));
}

std::string Combiner(std::string_view répertoire, std::string_view nom) {
    if (répertoire.empty()) return std::string(nom);
    std::string chemin(répertoire);
    if (!chemin.ends_with('/')) chemin += '/';
    chemin += nom;
    return chemin;
}

std::string CheminDepuisParamètre(std::string_view valeur) {
    std::string chemin(valeur);
    std::replace(chemin.begin(), chemin.end(), '\\', '/');
    return chemin;
}

}  // namespace vantorelle
