#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "series/Fonction.h"
#include "series/Fonctions.h"
#include "series/Programme.h"
#include "series/Terme.h"

namespace vantorelle {

/// A formula compiled for a range of positions: the substitutions that its text undergoes there, worked out
/// once with each member's value left as a slot, then compiled to a program run per position.
class ModeleFormule {
public:
    /// Value i − `décalage` of `série`.
    struct Case {
        const Fonction* série;
        std::int32_t décalage;
    };
    enum class Issue : std::uint8_t {
        Compilé,   // run the program
        Échec,     // the text fails at every position where the slots hold numbers or truth values
        Illisible  // the values could change the substitutions or the parse: only the texts tell
    };

    /// The model of `formule` at position i; it holds for every position that has the same offsets below
    /// it. The formula must hold fewer than 32767 values.
    ModeleFormule(const Fonction& formule, const Fonctions& membres, std::int32_t i);

    Issue issue() const { return issue_; }
    /// Points the cases that read `avant[k]` at `après[k]` instead, for every k.
    void reciblerCases(std::span<const Fonction* const> avant, std::span<const Fonction* const> après);
    const std::vector<Case>& cases() const { return cases_; }
    /// The value of the expression when its slots hold `valeurs`, one per case.
    std::optional<Terme> exécuter(std::span<const ValeurCase> valeurs) { return programme_.exécuter(valeurs); }
    /// The same at n positions at once (see Programme::exécuterColonnes).
    void exécuterColonnes(std::span<const ValeurCase* const> colonnes, std::size_t n, Terme* résultats, bool* échecs) {
        programme_.exécuterColonnes(colonnes, n, résultats, échecs);
    }

private:
    Issue construire(const Fonction& formule, const Fonctions& membres, std::int32_t i);
    std::int32_t caseDe(const Fonction& série, std::int32_t décalage);

    std::vector<Case> cases_;
    Programme programme_;
    Issue issue_;
};

}  // namespace vantorelle
