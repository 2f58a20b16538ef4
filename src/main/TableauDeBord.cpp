#include "main/TableauDeBord.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <numeric>
#include <stdexcept>

#include "main/TexteTri.h"
#include "store/AllocateurGrandsBlocs.h"
#include "store/Erreur.h"

namespace vantorelle {

namespace {

/// The distinct positions of a column, numbered in the order they first appear.
class PositionsDistinctes {
public:
    /// The number of `position`, which gets the next number when it first appears.
    std::uint32_t numéro(std::uint32_t position) {
        if (2 * (positions_.size() + 1) > entrées_.size()) agrandir();
        const std::size_t masque = entrées_.size() - 1;
        for (std::size_t i = hacher(position) & masque;; i = (i + 1) & masque) {
            Entrée& entrée = entrées_[i];
            if (entrée.numéro == libre) {
                entrée = {position, static_cast<std::uint32_t>(positions_.size())};
                positions_.push_back(position);
                return entrée.numéro;
            }
            if (entrée.position == position) return entrée.numéro;
        }
    }

    /// Gives `position` a number of its own without looking it up, for the texts stored anew on each row
    /// (where the empty text then gets several numbers: being equal, their keys still share a rank).
    std::uint32_t nouvelle(std::uint32_t position) {
        positions_.push_back(position);
        return static_cast<std::uint32_t>(positions_.size() - 1);
    }

    /// The distinct positions by number.
    const std::vector<std::uint32_t>& positions() const { return positions_; }

private:
    struct Entrée {
        std::uint32_t position;
        std::uint32_t numéro;
    };
    static constexpr std::uint32_t libre = UINT32_MAX;

    static std::size_t hacher(std::uint32_t position) { return (position * 0x9E3779B97F4A7C15ull) >> 32; }

    void agrandir() {
        std::vector<Entrée> anciennes(std::max<std::size_t>(64, 2 * entrées_.size()), Entrée{0, libre});
        anciennes.swap(entrées_);
        const std::size_t masque = entrées_.size() - 1;
        for (const Entrée& entrée : anciennes) {
            if (entrée.numéro == libre) continue;
            std::size_t i = hacher(entrée.position) & masque;
            while (entrées_[i].numéro != libre) i = (i + 1) & masque;
            entrées_[i] = entrée;
        }
    }

    std::vector<Entrée> entrées_;
    std::vector<std::uint32_t> positions_;
};

/// The first 16 bytes of a sort key as two big-endian numbers, zeros past its end: these are in the order of
/// the keys wherever they differ.
std::array<std::uint64_t, 2> têteDeClé(std::string_view clé) {
    std::array<std::uint64_t, 2> tête{};
    for (std::size_t i = 0; i < 16; ++i)
        tête[i / 8] = tête[i / 8] << 8 | (i < clé.size() ? static_cast<unsigned char>(clé[i]) : 0u);
    return tête;
}

}  // namespace

void TableauDeBord::LibérerGrandBloc::operator()(void* bloc) const noexcept {
    AllocateurGrandsBlocs<std::byte>{}.deallocate(static_cast<std::byte*>(bloc), tailleGrandBloc);
}

template <class T>
TableauDeBord::GrandBloc<T> TableauDeBord::allouerGrandBloc() {
    static_assert(sizeof(T) <= tailleGrandBloc);
    // Left as it comes, not zeroed: every byte is written before it is read.
    std::byte* bloc = AllocateurGrandsBlocs<std::byte>{}.allocate(tailleGrandBloc);
    return GrandBloc<T>(static_cast<T*>(static_cast<void*>(bloc)));
}

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
                 {"formules", "Formules", 0}}} {}

std::string TableauDeBord::Titres() const {
    std::string titres = colonnes_[0].titre;
    for (std::size_t c = 1; c < colonnes_.size(); ++c) titres += '\t' + colonnes_[c].titre;
    return titres;
}

std::uint32_t TableauDeBord::stocker(std::string_view contenu, Remplissage& remplissage) {
    if (contenu.empty()) return 0;
    const bool long_ = contenu.size() >= 255;
    const std::size_t taille = (long_ ? 1 + sizeof(std::uint32_t) : 1) + contenu.size();
    if (taille >= tailleGrandBloc) throw Erreur("Une cellule du tableau de bord dépasse la taille permise.");
    if (remplissage.fin + taille > tailleGrandBloc) {
        if (blocsDeTextes_.size() >= (std::size_t{UINT32_MAX} + 1) / tailleGrandBloc)
            throw Erreur("Le tableau de bord est plein : effacez-le ou réduisez la période.");
        blocsDeTextes_.push_back(allouerGrandBloc<char>());
        remplissage.bloc = blocsDeTextes_.size() - 1;
        remplissage.fin = remplissage.bloc == 0 ? 1 : 0;  // position 0 stands for the empty text
    }
    const auto position = static_cast<std::uint32_t>(remplissage.bloc * tailleGrandBloc + remplissage.fin);
    char* destination = blocsDeTextes_[remplissage.bloc].get() + remplissage.fin;
    if (long_) {
        const auto longueur = static_cast<std::uint32_t>(contenu.size());
        *destination++ = static_cast<char>(255);
        std::memcpy(destination, &longueur, sizeof longueur);
        destination += sizeof longueur;
    } else {
        *destination++ = static_cast<char>(contenu.size());
    }
    std::memcpy(destination, contenu.data(), contenu.size());
    remplissage.fin += taille;
    return position;
}

std::uint32_t TableauDeBord::stockerPartagé(std::string_view contenu) {
    if (contenu.empty()) return 0;
    if (2 * (nombrePartagés_ + 1) > partagés_.size()) agrandirPartagés();
    const auto empreinte = static_cast<std::uint32_t>(std::hash<std::string_view>{}(contenu));
    const std::size_t masque = partagés_.size() - 1;
    for (std::size_t i = empreinte & masque;; i = (i + 1) & masque) {
        EntréePartagée& entrée = partagés_[i];
        if (entrée.position == 0) {
            const std::uint32_t position = stocker(contenu, remplissagePartagés_);
            entrée = {position, empreinte};
            ++nombrePartagés_;
            return position;
        }
        if (entrée.empreinte == empreinte && texte(entrée.position) == contenu) return entrée.position;
    }
}

void TableauDeBord::agrandirPartagés() {
    std::vector<EntréePartagée> anciennes(std::max<std::size_t>(1024, 2 * partagés_.size()));
    anciennes.swap(partagés_);
    const std::size_t masque = partagés_.size() - 1;
    for (const EntréePartagée& entrée : anciennes) {
        if (entrée.position == 0) continue;
        std::size_t i = entrée.empreinte & masque;
        while (partagés_[i].position != 0) i = (i + 1) & masque;
        partagés_[i] = entrée;
    }
}

std::string_view TableauDeBord::texte(std::uint32_t position) const {
    if (position == 0) return {};
    const char* source = blocsDeTextes_[position / tailleGrandBloc].get() + position % tailleGrandBloc;
    const auto longueur = static_cast<unsigned char>(*source);
    if (longueur < 255) return {source + 1, longueur};
    std::uint32_t longue;
    std::memcpy(&longue, source + 1, sizeof longue);
    return {source + 1 + sizeof longue, longue};
}

void TableauDeBord::Ajouter(std::span<const std::string_view> cellules) {
    if (cellules.empty() || cellules.size() > nombreColonnes) throw ErreurIndice();
    std::array<std::uint32_t, nombreColonnes> positions{};
    for (std::size_t c = 0; c < cellules.size(); ++c) {
        // Dates, codes, names, figures, weights and formula names repeat from row to row; the code and the
        // name mostly repeat the row before.
        if (!partagée(static_cast<int>(c)))
            positions[c] = stocker(cellules[c], remplissageUniques_);
        else if (texte(dernière_[c]) == cellules[c])
            positions[c] = dernière_[c];
        else
            positions[c] = stockerPartagé(cellules[c]);
    }
    const std::uint32_t stockée = nombreStockées_;
    if (stockée == blocsDeLignes_.size() * lignesParBloc) blocsDeLignes_.push_back(allouerGrandBloc<BlocDeLignes>());
    BlocDeLignes& bloc = *blocsDeLignes_.back();
    const std::uint32_t k = stockée % lignesParBloc;
    for (std::size_t c = 0; c < nombreColonnes; ++c) bloc.cellules[c][k] = positions[c];
    bloc.sousÉléments[k] = static_cast<std::uint8_t>(cellules.size() - 1);
    ordre_.push_back(stockée);
    ++nombreStockées_;
    dernière_ = positions;
    àJour_ = false;
}

std::string_view TableauDeBord::Texte(std::size_t ligne, int colonne) const {
    const std::uint32_t stockée = ordre_.at(ligne);
    if (colonne < 0 || colonne >= nombreColonnes) throw std::out_of_range("TableauDeBord::Texte: colonne");
    return texte(cellule(stockée, colonne));
}

int TableauDeBord::NombreSousÉléments(std::size_t ligne) const {
    const std::uint32_t stockée = ordre_.at(ligne);
    return blocsDeLignes_[stockée / lignesParBloc]->sousÉléments[stockée % lignesParBloc];
}

void TableauDeBord::Supprimer(std::vector<std::size_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    if (!indices.empty() && indices.back() >= ordre_.size()) throw ErreurIndice();
    std::size_t gardées = 0, prochaine = 0;
    for (std::size_t i = 0; i < ordre_.size(); ++i) {
        if (prochaine < indices.size() && indices[prochaine] == i)
            ++prochaine;
        else
            ordre_[gardées++] = ordre_[i];
    }
    ordre_.resize(gardées);
    àJour_ = false;
}

void TableauDeBord::Vider() {
    ordre_.clear();
    blocsDeLignes_.clear();
    nombreStockées_ = 0;
    dernière_ = {};
    blocsDeTextes_.clear();
    remplissageUniques_ = {};
    remplissagePartagés_ = {};
    partagés_.clear();
    nombrePartagés_ = 0;
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

std::vector<std::uint32_t> TableauDeBord::rangsDesTextes(const std::vector<std::uint32_t>& positions) const {
    const std::size_t d = positions.size();
    // The keys end to end in one string: a column of numbers has as many distinct texts as rows.
    std::string clés;
    std::size_t tailleDesTextes = 0;
    for (const std::uint32_t position : positions) tailleDesTextes += texte(position).size();
    clés.reserve(3 * tailleDesTextes + 2 * d);  // exact for the texts of numbers
    std::vector<std::size_t> débuts(d + 1);
    for (std::size_t k = 0; k < d; ++k) {
        débuts[k] = clés.size();
        ajouterCléDeTri(clés, texte(positions[k]));
    }
    débuts[d] = clés.size();
    const auto clé = [&](std::uint32_t k) {
        return std::string_view(clés).substr(débuts[k], débuts[k + 1] - débuts[k]);
    };

    // Keys compare by their first 16 bytes, read as numbers, and only where those are equal by the rest.
    struct Tête {
        std::array<std::uint64_t, 2> octets;
        std::uint32_t numéro;
    };
    std::vector<Tête> parClé(d);
    for (std::uint32_t k = 0; k < d; ++k) parClé[k] = {têteDeClé(clé(k)), k};
    const auto avant = [&](const Tête& a, const Tête& b) {
        return a.octets != b.octets ? a.octets < b.octets : clé(a.numéro) < clé(b.numéro);
    };
    std::sort(parClé.begin(), parClé.end(), avant);
    std::vector<std::uint32_t> rangs(d);
    std::uint32_t rang = 0;
    for (std::size_t k = 0; k < d; ++k) {
        if (k > 0 && avant(parClé[k - 1], parClé[k])) ++rang;
        rangs[parClé[k].numéro] = rang;
    }
    if (!croissant_)
        for (std::uint32_t& r : rangs) r = rang - r;
    return rangs;
}

void TableauDeBord::trier() {
    const std::size_t n = ordre_.size();
    // Rows share the positions of the texts that repeat: each distinct position is keyed once, and the rows
    // are then ordered by the rank of their text's key.
    PositionsDistinctes distinctes;
    Tableau<std::uint32_t> rangDe(n);  // first the number of the row's position, then its rank
    const bool uniques = !partagée(cléDeTri_);
    std::uint32_t précédente = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t position = cellule(ordre_[i], cléDeTri_);
        // Equal texts mostly come in runs; in the columns of numbers, each row has a text of its own.
        if (i > 0 && position == précédente)
            rangDe[i] = rangDe[i - 1];
        else if (uniques)
            rangDe[i] = distinctes.nouvelle(position);
        else
            rangDe[i] = distinctes.numéro(position);
        précédente = position;
    }
    const std::vector<std::uint32_t> rangs = rangsDesTextes(distinctes.positions());

    // A stable counting sort on the ranks: rows with equal texts keep their order.
    std::vector<std::size_t> débuts(rangs.size() + 1, 0);
    for (std::uint32_t& rang : rangDe) {
        rang = rangs[rang];
        ++débuts[rang + 1];
    }
    std::partial_sum(débuts.begin(), débuts.end(), débuts.begin());
    Tableau<std::uint32_t> triées(n);
    for (std::size_t i = 0; i < n; ++i) triées[débuts[rangDe[i]]++] = ordre_[i];
    ordre_ = std::move(triées);
    àJour_ = true;
}

}  // namespace vantorelle
