#pragma once
#include <array>
#include <cstdint>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "main/CompteursStat.h"
#include "main/TableauDeBord.h"
#include "store/Avertissement.h"

namespace vantorelle {

/// What the scan of one security gives the dashboard: its rows, the statistics counted on them and the error
/// that ended it, if any. It is made apart from the dashboard, so that securities can be scanned ahead of
/// the one whose rows are being added.
class LignesValeur {
public:
    using Cellules = std::array<std::string_view, TableauDeBord::nombreColonnes>;

    /// Empties it, keeping its memory.
    void vider();

    /// The security's code and name, which every row shows in its code and name cells.
    void valeur(std::string_view code, std::string_view nom);
    /// Appends a row: its cells as the dashboard takes them (9 or 10 sub-items), except that the code and
    /// name cells are those given to `valeur`, and that the figure cell holds the figure's French name as the
    /// catalogue keeps it (the view is kept, not the text); `signe` is the figure's sign, '=', '/' or '\'.
    void ajouter(std::span<const std::string_view> cellules, char signe);
    std::size_t nombre() const { return lignes_.size(); }
    /// The cells of row k (from 0); returns how many the row has.
    std::size_t ligne(std::size_t k, Cellules& cellules) const;
    char signe(std::size_t k) const { return lignes_[k].signe; }

    /// The statistics of the rows, counted before each is added.
    CompteursStat compteurs;
    /// The error that ended the scan of the security after the rows above, or none.
    std::exception_ptr erreur;
    /// What the scan of the security skipped or doubts: its history's files, lines and dates.
    Avertissements avertissements;
    /// True when the security has no history file.
    bool sansHistorique = false;

private:
    struct Ligne {
        std::string_view figure;
        std::uint32_t premièreCellule;  // its index in `fins_`
        std::uint8_t cellules;
        char signe;
    };

    std::string code_, nom_;
    std::string textes_;
    std::vector<std::uint32_t> fins_;  // where each cell of each row ends in `textes_`
    std::vector<Ligne> lignes_;
};

}  // namespace vantorelle
