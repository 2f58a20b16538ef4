#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

/// Something the work skipped or doubts, told to the user without stopping it: input the results leave
/// out in silence would otherwise hide a wrong answer.
struct Avertissement {
    std::string fichier;
    std::int64_t ligne = 0;  // from 1; 0 when unknown
    std::string raison;      // counts included
    friend bool operator==(const Avertissement&, const Avertissement&) = default;
};

using Avertissements = std::vector<Avertissement>;

/// "avertissement : FICHIER : ligne N : RAISON", without the line when it is unknown.
std::string texteAvertissement(const Avertissement& avertissement);

/// A field of the user's input quoted in a message: cut to 40 characters with "…" (never inside a UTF-8
/// sequence), NUL, TAB, CR, LF and the other control characters written as \0, \t, \r, \n, \xNN.
std::string champCité(std::string_view champ);

}  // namespace vantorelle
