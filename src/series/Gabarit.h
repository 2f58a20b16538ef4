#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "series/Jeton.h"

namespace vantorelle {

/// A formula's text in which some stretches are slots: values whose texts are not known yet but can only be
/// numbers (digits, ",", ".", "E", "+", "-"), "Vrai", "Faux" or "NO_EVAL". Searches and replacements work on
/// the known text; the checks tell when values could change what a search of the real text would find.
class Gabarit {
public:
    explicit Gabarit(std::string texte);

    bool aDesCases() const;
    /// True when the known text holds `motif`.
    bool contient(std::string_view motif) const;
    /// The smallest k ≥ `depuis` such that the known text holds "[-k]" (k without leading zeros).
    std::optional<std::int32_t> prochainDécalage(std::int32_t depuis) const;
    /// The values of every "[-k]" reference in `texte`, in increasing order, without repeats.
    static std::vector<std::int32_t> décalages(std::string_view texte);

    /// True when an occurrence of `motif` could take in part of a slot, for some values of the slots.
    bool peutChevaucher(std::string_view motif) const;
    /// True when a slot stands between a "[" and a "]" with only "-", digits and slots around it: values
    /// could then complete an offset reference.
    bool caseEntreCrochets() const;

    /// Replaces each occurrence of `motif` in the known text, left to right, by slot `case_`.
    void remplacerParCase(std::string_view motif, std::int32_t case_);
    /// Replaces each occurrence of `motif` in the known text, left to right, by `texte`.
    void remplacerParTexte(std::string_view motif, std::string_view texte);
    void remplacerCaractère(char de, char par);

    enum class Découpage : std::uint8_t {
        Jetons,    // the tokens of the text, a slot standing for the tokens of its value
        Échec,     // the known text holds a character that starts no token: the text fails whatever the values
        Illisible  // a slot touches text it could merge with: the tokens depend on the values
    };
    Découpage découper(std::vector<Jeton>& jetons) const;

private:
    struct Morceau {
        std::string texte;
        std::int32_t case_ = -1;  // a slot when not negative
        bool estCase() const { return case_ >= 0; }
    };
    struct Contexte {
        std::string_view texte;  // the known text beside the slot
        bool ouvert = false;     // another slot lies beyond that text
    };
    Contexte àGauche(std::size_t j) const;
    Contexte àDroite(std::size_t j) const;
    void ajouterTexte(std::vector<Morceau>& morceaux, std::string_view texte) const;

    // Known text and slots alternate: no two text pieces side by side, no empty text piece.
    std::vector<Morceau> morceaux_;
};

}  // namespace vantorelle
