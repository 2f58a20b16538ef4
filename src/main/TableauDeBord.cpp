#include "main/TableauDeBord.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "main/TexteTri.h"
#include "store/Erreur.h"

namespace vantorelle {

TableauDeBord::TableauDeBord()
    : colonnes_{{{"date", "Date", 1764},
                 {"code", "Code", 1764},
                 {"nom", "Nom", 2540},
                 {"chandelier", "Chandelier", 2540},
                 {"cloture", "Clôture", 2540},
                 {"volatilite", "Volatilité", 2540},
                 {"volume", "Volume", 2469},
                 {"rsi", "RSI", 2469},
                 {"stock", "Stoch", 2540},
                 {"ponderation", "Pondération", 0},
                 {"formules", "Formules", 0}}} {
    Vider();
}

std::uint32_t TableauDeBord::stocker(std::string_view texte, bool partagé) {
    if (texte.empty()) return 0;
    if (partagé) {
        auto trouvé = partagés_.find(std::string(texte));
        if (trouvé != partagés_.end()) return trouvé->second;
    }
    if (textes_.size() + texte.size() + sizeof(std::uint32_t) > UINT32_MAX)
        throw Erreur("Le tableau de bord est plein : effacez-le ou réduisez la période.");
    auto position = static_cast<std::uint32_t>(textes_.size());
    auto longueur = static_cast<std::uint32_t>(texte.size());
    char octets[sizeof longueur];
    std::memcpy(octets, &longueur, sizeof longueur);
    textes_.append(octets, sizeof octets);
    textes_.append(texte);
    if (partagé) partagés_.emplace(texte, position);
    return position;
}

void TableauDeBord::Ajouter(std::span<const std::string_view> cellules) {
    if (cellules.empty() || cellules.size() > nombreColonnes) throw ErreurIndice();
    Ligne ligne{};
    for (std::size_t c = 0; c < cellules.size(); ++c) {
        // Dates, codes, names, figures, weights and formula names repeat from row to row.
        bool partagé = c <= Chandelier || c >= Pondération;
        ligne.cellules[c] = stocker(cellules[c], partagé);
    }
    ligne.sousÉléments = static_cast<std::uint8_t>(cellules.size() - 1);
    lignes_.push_back(ligne);
}

std::string_view TableauDeBord::Texte(std::size_t ligne, int colonne) const {
    std::uint32_t position = lignes_.at(ligne).cellules.at(static_cast<std::size_t>(colonne));
    std::uint32_t longueur;
    std::memcpy(&longueur, textes_.data() + position, sizeof longueur);
    return std::string_view(textes_).substr(position + sizeof longueur, longueur);
}

void TableauDeBord::Supprimer(std::vector<std::size_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (auto i = indices.rbegin(); i != indices.rend(); ++i) {
        if (*i >= lignes_.size()) throw ErreurIndice();
        lignes_.erase(lignes_.begin() + static_cast<std::ptrdiff_t>(*i));
    }
}

void TableauDeBord::Vider() {
    lignes_.clear();
    partagés_.clear();
    textes_.assign(sizeof(std::uint32_t), '\0');  // the empty text, at offset 0
}

void TableauDeBord::CliquerColonne(int colonne) {
    if (colonne < 0 || colonne >= nombreColonnes) throw ErreurIndice();
    cléDeTri_ = colonne;
    croissant_ = !croissant_;
    trié_ = true;
    trier();
}

void TableauDeBord::Croissant(bool croissant) {
    croissant_ = croissant;
    if (trié_) trier();
}

void TableauDeBord::trier() {
    std::vector<std::string> clés(lignes_.size());
    for (std::size_t i = 0; i < lignes_.size(); ++i) clés[i] = cléDeTri(Texte(i, cléDeTri_));
    std::vector<std::size_t> ordre(lignes_.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    if (croissant_)
        std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) { return clés[a] < clés[b]; });
    else
        std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) { return clés[b] < clés[a]; });
    std::vector<Ligne> triées;
    triées.reserve(lignes_.size());
    for (std::size_t i : ordre) triées.push_back(lignes_[i]);
    lignes_ = std::move(triées);
}

}  // namespace vantorelle
