#pragma once
#include <cstdint>
#include <string>

#include "series/Evaluateur.h"
#include "series/Fonction.h"
#include "series/Fonctions.h"

namespace vantorelle {

/// The evaluation of a formula at every position over the series of a collection.
///
/// At position i the formula's text gets, member by member in collection order, the text of the member's
/// value i − k in place of each "name[-k]" (while an unresolved "[" remains), then of its value i in place of
/// its plain name; the commas become points, the constants are put in, and the expression is evaluated,
/// "NO_EVAL" standing for any failure. `parSubstitution` does exactly that on the texts; `compilé` gets the
/// same values by compiling the text once per range of positions, each value entering as the number its
/// text reads as, and falls back on the texts wherever the two could differ.
class CalculFormule {
public:
    /// Evaluates positions 1 to `Longueur` on the texts. An index error reading a member stops it.
    static void parSubstitution(Fonction& formule, const Fonctions& membres);
    /// The same values as `parSubstitution`, fast.
    static void compilé(Fonction& formule, const Fonctions& membres);
    /// Gives members 1 to `nombre` (the formulas) room for exactly n values and n values (those that fit
    /// stay), then evaluates them in order: sizing them all first lets a formula read a later one without an
    /// index error.
    static void calculerFormules(const Fonctions& membres, std::int32_t nombre, std::int32_t n);

    enum class Balayage : std::uint8_t {
        Complet,           // every offset from 1 to the formula's length while a "[" is left, as written
        DécalagesPrésents  // only the offsets the text holds: the same text, in time linear in its length
    };
    /// The value at position i, on the texts.
    static Valeur valeurÀ(const Fonction& formule, const Fonctions& membres, std::int32_t i, Evaluateur& évaluateur,
                          Balayage balayage = Balayage::Complet);
    /// The formula's text at position i once the members' values are put in. The offset counter of the
    /// complete scan overflows beyond 32767.
    static std::string texteSubstitué(const Fonction& formule, const Fonctions& membres, std::int32_t i,
                                      Balayage balayage = Balayage::Complet);
    /// `texte` with its commas turned into points and the constants ("name=value") put in, in list order.
    static std::string texteÀÉvaluer(std::string texte, const Fonction::ListeConstantes* constantes);
    /// The value an evaluation stores: the number, the truth value, or "NO_EVAL".
    static Valeur valeurDuRésultat(const std::optional<Terme>& résultat);
};

}  // namespace vantorelle
