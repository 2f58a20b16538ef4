#include "acquire/EnTetesReponse.h"

#include <algorithm>
#include <charconv>

#include "store/Casse.h"

namespace vantorelle {
namespace {

/// The number that the text starts with (after spaces and tabs), or 0 when it has none or it does not fit.
template <class Entier>
Entier nombreEnTête(std::string_view texte) {
    const std::size_t début = texte.find_first_not_of(" \t");
    if (début == std::string_view::npos) return 0;
    Entier n = 0;
    const auto [fin, erreur] = std::from_chars(texte.data() + début, texte.data() + texte.size(), n);
    return erreur == std::errc() ? n : 0;
}

}  // namespace

EnTêtesRéponse LireEnTêtes(std::string_view octets) {
    EnTêtesRéponse réponse;
    std::size_t débutRéponse = std::string_view::npos;
    for (std::size_t début = 0; début < octets.size();) {
        const std::size_t fin = std::min(octets.find('\n', début), octets.size());
        std::string_view ligne = octets.substr(début, fin - début);
        if (ligne.ends_with('\r')) ligne.remove_suffix(1);
        if (ligne.starts_with("HTTP/")) {  // a status line: a new response starts, which replaces the one before
            débutRéponse = début;
            const std::size_t espace = ligne.find(' ');
            réponse = {espace == std::string_view::npos ? 0 : nombreEnTête<int>(ligne.substr(espace)), "", 0};
        } else if (const std::size_t deuxPoints = ligne.find(':');
                   débutRéponse != std::string_view::npos && deuxPoints != std::string_view::npos &&
                   plierCasse(ligne.substr(0, deuxPoints)) == "content-length") {
            réponse.longueur = nombreEnTête<std::uint64_t>(ligne.substr(deuxPoints + 1));
        }
        début = fin + 1;
    }
    if (débutRéponse != std::string_view::npos) réponse.texte = octets.substr(débutRéponse);
    return réponse;
}

}  // namespace vantorelle
