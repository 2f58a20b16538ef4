#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "main/CompteursStat.h"

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
    std::size_t Nombre() const { return lignes_.size(); }
    /// Appends a row: `cellules` holds the row's text then its sub-items 1 to n (n = 9 or 10, at most 10).
    void Ajouter(std::span<const std::string_view> cellules);
    /// The text of row `ligne` (from 0) in column `colonne` (0 to 10); empty where the row has no cell.
    std::string_view Texte(std::size_t ligne, int colonne) const;
    /// How many sub-items row `ligne` holds (9 or 10 for the scan's rows).
    int NombreSousÉléments(std::size_t ligne) const { return lignes_.at(ligne).sousÉléments; }
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
    /// A row's cells as offsets into the text store; the empty text is at offset 0.
    struct Ligne {
        std::array<std::uint32_t, nombreColonnes> cellules;
        std::uint8_t sousÉléments;
    };

    std::uint32_t stocker(std::string_view texte, bool partagé);
    std::string_view texte(std::uint32_t position) const;
    void trier();

    std::array<DéfinitionColonne, nombreColonnes> colonnes_;
    std::vector<Ligne> lignes_;
    /// The texts, each preceded by its length (4 bytes), in blocks that never move, so that growing the
    /// store copies nothing; a position is the block's number times the block size plus the offset in it.
    /// Texts that repeat (dates, codes, names, figures, weights, formulas) are stored once.
    static constexpr std::uint32_t tailleBloc = 1u << 20;
    std::vector<std::unique_ptr<char[]>> blocs_;
    std::uint32_t finDuDernierBloc_ = 0;
    struct HachageTexte {
        using is_transparent = void;
        std::size_t operator()(std::string_view texte) const { return std::hash<std::string_view>{}(texte); }
    };
    std::unordered_map<std::string, std::uint32_t, HachageTexte, std::equal_to<>> partagés_;
    int cléDeTri_ = 0;
    bool croissant_ = true;
    bool trié_ = false;
    bool àJour_ = false;  // the rows are in the order of the last sort
};

}  // namespace vantorelle
