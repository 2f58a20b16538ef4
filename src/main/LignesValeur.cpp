#include "main/LignesValeur.h"

namespace vantorelle {

void LignesValeur::vider() {
    textes_.clear();
    fins_.clear();
    lignes_.clear();
    compteurs.Initialiser();
    erreur = nullptr;
}

void LignesValeur::ajouter(std::span<const std::string_view> cellules, char signe) {
    lignes_.push_back({static_cast<std::uint32_t>(fins_.size()), static_cast<std::uint8_t>(cellules.size()), signe});
    for (std::string_view cellule : cellules) {
        textes_ += cellule;
        fins_.push_back(static_cast<std::uint32_t>(textes_.size()));
    }
}

std::size_t LignesValeur::ligne(std::size_t k, Cellules& cellules) const {
    const Ligne& ligne = lignes_[k];
    std::size_t début = ligne.premièreCellule == 0 ? 0 : fins_[ligne.premièreCellule - 1];
    for (std::size_t c = 0; c < ligne.cellules; ++c) {
        const std::size_t fin = fins_[ligne.premièreCellule + c];
        cellules[c] = std::string_view(textes_).substr(début, fin - début);
        début = fin;
    }
    return ligne.cellules;
}

}  // namespace vantorelle
