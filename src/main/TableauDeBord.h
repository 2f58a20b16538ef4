#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "main/CompteursStat.h"
#include "store/AllocateurGrandsBlocs.h"

namespace vantorelle {

/// The dashboard: one row per kept candle, each a text (the date key) and 9 or 10 sub-item texts, with the
/// list view's text sorting, and the statistics of the generation that filled it. Rows are stored
/// compactly, since a weekly scan of a whole market makes hundreds of thousands of them.
class TableauDeBord {
public:
    /// Columns: 0 is the row's text (Date), 1 to 10 its sub-items (Code to Formules).
    static constexpr int nombreColonnes = 11;
    enum Colonne { Date, Code, Nom, Chandelier, Clôture, Volatilité, Volume, RSI, Stoch, Pondération, Formules };

    struct DéfinitionColonne {
        std::string clé;
        std::string titre;
        int largeur;  ///< twips
    };

    TableauDeBord();

    /// The column with index 0 to 10 (its key, caption and width).
    const DéfinitionColonne& Définition(int colonne) const { return colonnes_.at(colonne); }
    /// Replaces a column's caption, for instance by its translation.
    void Titre(int colonne, std::string titre) { colonnes_.at(colonne).titre = std::move(titre); }
    void Largeur(int colonne, int largeur) { colonnes_.at(colonne).largeur = largeur; }
    /// The captions of the 11 columns separated by TABs, without a line end.
    std::string Titres() const;

    /// Number of rows.
    std::size_t Nombre() const { return ordre_.size(); }
    /// Appends a row: `cellules` holds the row's text then its sub-items 1 to n (n = 9 or 10, at most 10).
    void Ajouter(std::span<const std::string_view> cellules);
    /// The text of row `ligne` (from 0) in column `colonne` (0 to 10); empty where the row has no cell.
    std::string_view Texte(std::size_t ligne, int colonne) const;
    /// How many sub-items row `ligne` holds (9 or 10 for the scan's rows).
    int NombreSousÉléments(std::size_t ligne) const;
    /// Removes the given rows (indexes from 0, in any order), from the last one back, as the Delete key does.
    void Supprimer(std::vector<std::size_t> indices);
    /// Removes every row; the sort state and the statistics stay.
    void Vider();

    /// The column-click behaviour: sort on `colonne` (0 to 10) with the order inverted.
    void CliquerColonne(int colonne);
    /// Sets the sort order; when the list is sorted it is sorted again in that order.
    void Croissant(bool croissant);
    bool Croissant() const { return croissant_; }
    int CléDeTri() const { return cléDeTri_; }
    bool Trié() const { return trié_; }

    /// The statistics of the rows added since the last generation or clearing.
    CompteursStat Compteurs;
    /// Rows counted since the last generation or clearing (`NbLignes`).
    std::int32_t NbLignes = 0;

private:
    /// Rows are stored column by column in blocks of one huge page that never move, so that adding a row
    /// copies nothing already stored and a sort reads one column contiguously. A cell is the position of
    /// its text in the text store.
    static constexpr std::size_t tailleGrandBloc = AllocateurGrandsBlocs<std::byte>::grandePage;
    static constexpr std::uint32_t lignesParBloc = tailleGrandBloc / (nombreColonnes * 4 + 1);
    struct BlocDeLignes {
        std::uint32_t cellules[nombreColonnes][lignesParBloc];
        std::uint8_t sousÉléments[lignesParBloc];
    };
    struct LibérerGrandBloc {
        void operator()(void* bloc) const noexcept;
    };
    template <class T>
    using GrandBloc = std::unique_ptr<T, LibérerGrandBloc>;
    template <class T>
    static GrandBloc<T> allouerGrandBloc();

    /// A shared text's entry in the hash table of shared texts; position 0 marks a free entry.
    struct EntréePartagée {
        std::uint32_t position;
        std::uint32_t empreinte;
    };

    /// Where texts are being appended: the block and the offset in it.
    struct Remplissage {
        std::size_t bloc = 0;
        std::size_t fin = tailleGrandBloc;  // a full block, so that the first text opens one
    };

    /// Whether a column's texts repeat from row to row, and so are stored once; the texts of the other
    /// columns, the numbers, are stored for each row.
    static bool partagée(int colonne) { return colonne <= Chandelier || colonne >= Pondération; }
    std::uint32_t stocker(std::string_view texte, Remplissage& remplissage);
    std::uint32_t stockerPartagé(std::string_view texte);
    void agrandirPartagés();
    std::string_view texte(std::uint32_t position) const;
    std::uint32_t cellule(std::uint32_t stockée, int colonne) const {
        return blocsDeLignes_[stockée / lignesParBloc]->cellules[colonne][stockée % lignesParBloc];
    }
    /// The rank of each of these texts by its sort key, equal keys sharing one, in the current order.
    std::vector<std::uint32_t> rangsDesTextes(const std::vector<std::uint32_t>& positions) const;
    void trier();

    std::array<DéfinitionColonne, nombreColonnes> colonnes_;
    std::vector<GrandBloc<BlocDeLignes>> blocsDeLignes_;
    std::uint32_t nombreStockées_ = 0;
    /// The stored rows in the list's order: sorting and removing rows reorder or drop these numbers and never
    /// move a row. A removed row stays stored until the list is cleared.
    Tableau<std::uint32_t> ordre_;
    /// The cells of the row added last, which the next row mostly repeats.
    std::array<std::uint32_t, nombreColonnes> dernière_{};

    /// The texts, each preceded by its length (1 byte, or 255 then 4 bytes for long texts), in blocks that
    /// never move; a position is the block's number times the block size plus the offset in it. Position 0
    /// is the empty text, which is not stored. Texts that repeat (dates, codes, names, figures, weights,
    /// formulas) are stored once, in blocks of their own: the few of them stay in the cache while the texts
    /// of the numbers stream past.
    std::vector<GrandBloc<char>> blocsDeTextes_;
    Remplissage remplissageUniques_;
    Remplissage remplissagePartagés_;
    /// Open addressing over the shared texts, with their hash's low 32 bits to skip most text comparisons.
    std::vector<EntréePartagée> partagés_;
    std::size_t nombrePartagés_ = 0;
    int cléDeTri_ = 0;
    bool croissant_ = true;
    bool trié_ = false;
    bool àJour_ = false;  // the rows are in the order of the last sort
};

}  // namespace vantorelle
