#pragma once
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "series/Jeton.h"

namespace vantorelle {

/// Splits the text of an expression into tokens.
class Lexeur {
public:
    /// Appends the tokens of `texte`; false at the first character that starts no token, which covers an
    /// unknown name and a malformed number.
    static bool découper(std::string_view texte, std::vector<Jeton>& jetons);
    /// The same, also giving where each token starts in `texte`; on a failure `arrêt` is where it stopped.
    static bool découper(std::string_view texte, std::vector<Jeton>& jetons, std::vector<std::size_t>& débuts,
                         std::size_t& arrêt);

    /// The length of the number literal that `texte` starts with ("12", "1.5E-05", ".5", "5."); 0 when it
    /// starts with none or its exponent has no digits.
    static std::size_t longueurNombre(std::string_view texte);

    /// The value of a number literal, correctly rounded; nothing when it is too large for a double.
    static std::optional<double> valeurNombre(std::string_view littéral);

    /// True for a character that can continue a name or a number, so that text put next to it may merge
    /// with it into one token (bytes of non-ASCII characters count too).
    static bool prolongeUnJeton(char c);

private:
    template <typename SurJeton, typename SurArrêt>
    static bool découperAvec(std::string_view texte, std::vector<Jeton>& jetons, SurJeton surJeton,
                             SurArrêt surArrêt);
};

}  // namespace vantorelle
