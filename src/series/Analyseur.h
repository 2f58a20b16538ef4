#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "series/Jeton.h"
#include "series/Programme.h"

namespace vantorelle {

/// Compiles tokens into a program by recursive descent, with the classic Basic precedence, tightest first:
/// `^` (left to right, a sign allowed on its right), unary `-` and `+`, `*` `/`, `\`, `Mod`, `+` `-`, the
/// comparisons (one level, left to right), `Not`, `And`, `Or`, `Xor`.
class Analyseur {
public:
    /// Parentheses, unary signs and `Not` may nest this deep.
    static constexpr std::int32_t profondeurMaximale = 256;

    enum class Issue : std::uint8_t { Réussie, ErreurDeSyntaxe, TropProfonde };

    /// Where a syntax error lies: the token found (the count of tokens at the end) and what was expected.
    struct Échec {
        std::size_t jeton = 0;
        const char* attendu = "";
    };

    /// Compiles the tokens when they are exactly one expression nesting no deeper than the limit. A slot
    /// counts as one level more, for the sign its text may start with. On a syntax error, `échec` tells
    /// where.
    static Issue compiler(std::span<const Jeton> jetons, Programme& programme, Échec* échec = nullptr);

private:
    Analyseur(std::span<const Jeton> jetons, Programme& programme) : jetons_(jetons), programme_(programme) {}

    bool expression();
    bool ou();
    bool et();
    bool non();
    bool comparaison();
    bool somme();
    bool modulo();
    bool quotientEntier();
    bool produit();
    bool signe();
    bool puissance();
    bool exposant();
    bool élément(bool dansUnExposant, bool& estUneCase);

    bool prochain(SorteJeton sorte) const { return position_ < jetons_.size() && jetons_[position_].sorte == sorte; }
    bool entrer() {
        tropProfonde_ = tropProfonde_ || ++profondeur_ > profondeurMaximale;
        return !tropProfonde_;
    }
    void sortir() { --profondeur_; }
    /// Keeps the first place where the tokens stopped making an expression.
    bool échouer(std::size_t jeton, const char* attendu) {
        if (!échec_.attendu[0]) échec_ = {jeton, attendu};
        return false;
    }

    std::span<const Jeton> jetons_;
    Programme& programme_;
    std::size_t position_ = 0;
    std::int32_t profondeur_ = 0;
    bool tropProfonde_ = false;
    Échec échec_;
};

}  // namespace vantorelle
