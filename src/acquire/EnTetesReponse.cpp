#include "acquire/EnTetesReponse.h"

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

bool estLigneStatut(std::string_view ligne) { return ligne.starts_with("HTTP/"); }

}  // namespace

EnTêtesRéponse LireEnTêtes(std::string_view octets) {
    // The final response starts at the last status line.
    std::size_t début = std::string_view::npos;
    for (std::size_t ligne = 0; ligne < octets.size();) {
        if (estLigneStatut(octets.substr(ligne))) début = ligne;
        const std::size_t fin = octets.find('\n', ligne);
        ligne = fin == std::string_view::npos ? octets.size() : fin + 1;
    }
    EnTêtesRéponse réponse;
    if (début == std::string_view::npos) return réponse;
    réponse.texte = octets.substr(début);

    const std::string_view texte = réponse.texte;
    for (std::size_t ligne = 0; ligne < texte.size();) {
        std::size_t fin = texte.find('\n', ligne);
        if (fin == std::string_view::npos) fin = texte.size();
        std::string_view contenu = texte.substr(ligne, fin - ligne);
        if (contenu.ends_with('\r')) contenu.remove_suffix(1);
        if (ligne == 0) {
            const std::size_t espace = contenu.find(' ');
            if (espace != std::string_view::npos) réponse.statut = nombreEnTête<int>(contenu.substr(espace));
        } else if (const std::size_t deuxPoints = contenu.find(':'); deuxPoints != std::string_view::npos &&
                                                                     plierCasse(contenu.substr(0, deuxPoints)) ==
                                                                         "content-length") {
            réponse.longueur = nombreEnTête<std::uint64_t>(contenu.substr(deuxPoints + 1));
        }
        ligne = fin + 1;
    }
    return réponse;
}

}  // namespace vantorelle
