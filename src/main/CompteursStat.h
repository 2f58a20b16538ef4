#pragma once
#include <array>
#include <cstdint>

namespace vantorelle {

/// The statistics table of a generation: 6 rows (figures, close, volatility, volume, RSI, stochastic) by
/// 10 columns (rise, fall, unchanged, rising trend, falling trend, neutral trend, >50, <50, >70, <30),
/// indexed from 1. Counters are 32-bit, so a whole market never overflows them.
class CompteursStat {
public:
    static constexpr int lignes = 6;
    static constexpr int colonnes = 10;

    enum Ligne { Chandelier = 1, Clôture, Volatilité, Volume, RSI, Stoch };
    enum Colonne {
        Hausse = 1, Baisse, Neutre, TendanceHausse, TendanceBaisse, TendanceNeutre,
        Plus50, Moins50, Plus70, Moins30
    };

    /// The counter at row r, column c (both from 1).
    std::int32_t operator()(int r, int c) const { return compteurs_[indice(r, c)]; }
    /// Adds one to the counter at row r, column c.
    void Ajouter(int r, int c) { ++compteurs_[indice(r, c)]; }
    /// Adds one when `compté` holds. Tests on prices go either way from one candle to the next, so they are
    /// counted without a branch, which would mispredict them.
    void Ajouter(int r, int c, bool compté) { compteurs_[indice(r, c)] += compté; }
    /// Adds one in the column of a rise, of a fall (the next one) or of neither (the one after), the two tests
    /// excluding each other; without a branch too.
    void AjouterSens(int r, int colonneHausse, bool hausse, bool baisse) {
        Ajouter(r, colonneHausse + 2 - 2 * hausse - baisse);
    }
    /// Adds the counters of `autres`, each to its own.
    void Ajouter(const CompteursStat& autres) {
        for (std::size_t k = 0; k < compteurs_.size(); ++k) compteurs_[k] += autres.compteurs_[k];
    }
    /// Sets every counter to 0 (`StatusInit`).
    void Initialiser() { compteurs_.fill(0); }

private:
    static std::size_t indice(int r, int c) {
        if (r < 1 || r > lignes || c < 1 || c > colonnes) horsDuTableau();
        return static_cast<std::size_t>((r - 1) * colonnes + (c - 1));
    }
    [[noreturn]] static void horsDuTableau();

    std::array<std::int32_t, lignes * colonnes> compteurs_{};
};

}  // namespace vantorelle
