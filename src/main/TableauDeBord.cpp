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

std::string TableauDeBord::Titres() const {
    std::string titres = colonnes_[0].titre;
    for (std::size_t c = 1; c < colonnes_.size(); ++c) titres += '\t' + colonnes_[c].titre;
    return titres;
}

std::uint32_t TableauDeBord::stocker(std::string_view texte, bool partagé) {
    if (texte.empty()) return 0;
    if (partagé) {
        auto trouvé = partagés_.find(texte);
        if (trouvé != partagés_.end()) return trouvé->second;
    }
    const std::size_t taille = sizeof(std::uint32_t) + texte.size();
    if (taille > tailleBloc) throw Erreur("Une cellule du tableau de bord dépasse la taille permise.");
    if (finDuDernierBloc_ + taille > tailleBloc) {
        if (blocs_.size() >= UINT32_MAX / tailleBloc)
            throw Erreur("Le tableau de bord est plein : effacez-le ou réduisez la période.");
        blocs_.push_back(std::make_unique<char[]>(tailleBloc));
        finDuDernierBloc_ = 0;
    }
    const auto position = static_cast<std::uint32_t>((blocs_.size() - 1) * tailleBloc + finDuDernierBloc_);
    const auto longueur = static_cast<std::uint32_t>(texte.size());
    char* destination = blocs_.back().get() + finDuDernierBloc_;
    std::memcpy(destination, &longueur, sizeof longueur);
    std::memcpy(destination + sizeof longueur, texte.data(), texte.size());
    finDuDernierBloc_ += static_cast<std::uint32_t>(taille);
    if (partagé) partagés_.emplace(texte, position);
    return position;
}

std::string_view TableauDeBord::texte(std::uint32_t position) const {
    const char* source = blocs_[position / tailleBloc].get() + position % tailleBloc;
    std::uint32_t longueur;
    std::memcpy(&longueur, source, sizeof longueur);
    return {source + sizeof longueur, longueur};
}

void TableauDeBord::Ajouter(std::span<const std::string_view> cellules) {
    if (cellules.empty() || cellules.size() > nombreColonnes) throw ErreurIndice();
    Ligne ligne{};
    const Ligne* précédente = lignes_.empty() ? nullptr : &lignes_.back();
    for (std::size_t c = 0; c < cellules.size(); ++c) {
        // Dates, codes, names, figures, weights and formula names repeat from row to row; the code and the
        // name mostly repeat the row before.
        const bool partagé = c <= Chandelier || c >= Pondération;
        if (partagé && précédente && texte(précédente->cellules[c]) == cellules[c])
            ligne.cellules[c] = précédente->cellules[c];
        else
            ligne.cellules[c] = stocker(cellules[c], partagé);
    }
    ligne.sousÉléments = static_cast<std::uint8_t>(cellules.size() - 1);
    lignes_.push_back(ligne);
    àJour_ = false;
}

std::string_view TableauDeBord::Texte(std::size_t ligne, int colonne) const {
    return texte(lignes_.at(ligne).cellules.at(static_cast<std::size_t>(colonne)));
}

void TableauDeBord::Supprimer(std::vector<std::size_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (auto i = indices.rbegin(); i != indices.rend(); ++i) {
        if (*i >= lignes_.size()) throw ErreurIndice();
        lignes_.erase(lignes_.begin() + static_cast<std::ptrdiff_t>(*i));
    }
    àJour_ = false;
}

void TableauDeBord::Vider() {
    lignes_.clear();
    partagés_.clear();
    blocs_.clear();
    blocs_.push_back(std::make_unique<char[]>(tailleBloc));
    finDuDernierBloc_ = sizeof(std::uint32_t);  // the empty text, at position 0 (the block starts zeroed)
}

void TableauDeBord::CliquerColonne(int colonne) {
    if (colonne < 0 || colonne >= nombreColonnes) throw ErreurIndice();
    cléDeTri_ = colonne;
    croissant_ = !croissant_;
    trié_ = true;
    trier();
}

void TableauDeBord::Croissant(bool croissant) {
    // A list already sorted in that order stays as it is: the sort is stable.
    const bool inchangé = àJour_ && croissant == croissant_;
    croissant_ = croissant;
    if (trié_ && !inchangé) trier();
}

void TableauDeBord::trier() {
    const std::size_t n = lignes_.size();
    const auto colonne = static_cast<std::size_t>(cléDeTri_);
    // Rows share the positions of the texts that repeat: each distinct position is keyed once, and the rows
    // are then ordered by the rank of their text's key.
    std::vector<std::uint32_t> positions(n);
    for (std::size_t i = 0; i < n; ++i) positions[i] = lignes_[i].cellules[colonne];
    std::vector<std::uint32_t> distinctes = positions;
    std::sort(distinctes.begin(), distinctes.end());
    distinctes.erase(std::unique(distinctes.begin(), distinctes.end()), distinctes.end());
    std::vector<std::string> clés(distinctes.size());
    for (std::size_t k = 0; k < distinctes.size(); ++k) clés[k] = cléDeTri(texte(distinctes[k]));
    std::vector<std::uint32_t> parClé(distinctes.size());
    std::iota(parClé.begin(), parClé.end(), 0);
    std::sort(parClé.begin(), parClé.end(), [&](std::uint32_t a, std::uint32_t b) { return clés[a] < clés[b]; });
    std::vector<std::uint32_t> rangs(distinctes.size());
    std::uint32_t rang = 0;
    for (std::size_t k = 0; k < parClé.size(); ++k) {
        if (k > 0 && clés[parClé[k]] != clés[parClé[k - 1]]) ++rang;
        rangs[parClé[k]] = rang;
    }
    const std::uint32_t nombreRangs = distinctes.empty() ? 0 : rang + 1;

    // A stable counting sort on the ranks: rows with equal texts keep their order.
    std::vector<std::uint32_t> rangDe(n);
    std::vector<std::size_t> débuts(nombreRangs + 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(
            std::lower_bound(distinctes.begin(), distinctes.end(), positions[i]) - distinctes.begin());
        rangDe[i] = croissant_ ? rangs[k] : nombreRangs - 1 - rangs[k];
        ++débuts[rangDe[i] + 1];
    }
    std::partial_sum(débuts.begin(), débuts.end(), débuts.begin());
    std::vector<Ligne> triées(n);
    for (std::size_t i = 0; i < n; ++i) triées[débuts[rangDe[i]]++] = lignes_[i];
    lignes_ = std::move(triées);
    àJour_ = true;
}

}  // namespace vantorelle
