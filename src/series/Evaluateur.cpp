#include "series/Evaluateur.h"

#include "series/Analyseur.h"
#include "series/Lexeur.h"

namespace vantorelle {

std::optional<Terme> Evaluateur::évaluer(std::string_view texte) {
    jetons_.clear();
    if (!Lexeur::découper(texte, jetons_) || Analyseur::compiler(jetons_, programme_) != Analyseur::Issue::Réussie) return std::nullopt;
    return programme_.exécuter();
}

}  // namespace vantorelle
