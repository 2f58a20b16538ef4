#include "main/LignesValeur.h"

namespace vantorelle {

void LignesValeur::vider() {
    textes_.clear();
    fins_.clear();
    lignes_.clear();
    compteurs.Initialiser();
    erreur = nullptr;
    avertissements.clear();
    sansHistorique = false;
}

void LignesValeur::valeur(std::string_view code, std::string_view nom) {
    code_ = code;
    nom_ = nom;
}

void LignesValeur::ajouter(std::span<const std::string_view> cellules, char signe) {
    lignes_.push_back({cellules[TableauDeBord::Chandelier], static_cast<std::uint32_t>(fins_.size()),
                       static_cast<std::uint8_t>(cellules.size()), signe});
    for (std::size_t c = 0; c < cellules.size(); ++c) {
        if (c != TableauDeBord::Code && c != TableauDeBord::Nom && c != TableauDeBord::Chandelier)
            textes_ += cellules[c];
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
    cellules[TableauDeBord::Code] = code_;
    cellules[TableauDeBord::Nom] = nom_;
    cellules[TableauDeBord::Chandelier] = ligne.figure;
    return ligne.cellules;
}

}  // namespace vantorelle
