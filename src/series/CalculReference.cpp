#include "series/CalculFormule.h"

#include <algorithm>

#include "series/Gabarit.h"
#include "store/Chaines.h"
#include "store/Erreur.h"

namespace vantorelle {

namespace {

// The offsets run on a 16-bit counter: they cannot pass 32767.
constexpr std::int32_t plusGrandDécalage = 32767;

void remplacer(std::string& texte, std::string_view recherche, std::string_view remplacement) {
    if (!recherche.empty() && texte.find(recherche) != std::string::npos) Remplacer(texte, recherche, remplacement, true);
}

std::string référenceDécalée(std::int32_t k) { return "[-" + std::to_string(k) + "]"; }

/// The smallest k ≥ `depuis` such that `e` holds "[-k]".
std::optional<std::int32_t> prochainDécalage(const std::string& e, std::int32_t depuis) {
    for (std::int32_t k : Gabarit::décalages(e))
        if (k >= depuis) return k;
    return std::nullopt;
}

}  // namespace

std::string CalculFormule::texteSubstitué(const Fonction& formule, const Fonctions& membres, std::int32_t i,
                                          Balayage balayage) {
    const std::int32_t n = formule.Longueur();
    std::string e = formule.Formule();
    for (std::int32_t m = 1; m <= membres.Count(); ++m) {
        const Fonction& s = membres.Item(m);
        if (balayage == Balayage::DécalagesPrésents) {
            // The offsets that the text does not hold change nothing: go from one it holds to the next.
            for (auto k = prochainDécalage(e, 1); k && *k <= i - 1; k = prochainDécalage(e, *k + 1))
                remplacer(e, s.Nom() + référenceDécalée(*k), s.Item(i - *k).texte());
        } else if (e.find('[') != std::string::npos) {
            if (n > plusGrandDécalage) throw ErreurConversion("Dépassement de capacité");
            for (std::int32_t k = 1; k <= n; ++k) {
                if (e.find('[') == std::string::npos) break;
                const std::string décalage = référenceDécalée(k);
                if (i - k >= 1 && e.find(décalage) != std::string::npos)
                    remplacer(e, s.Nom() + décalage, s.Item(i - k).texte());
                if (k == plusGrandDécalage) throw ErreurConversion("Dépassement de capacité");
            }
        }
        const std::string valeur = s.Item(i).texte();
        remplacer(e, s.Nom(), valeur);
    }
    return e;
}

std::string CalculFormule::texteÀÉvaluer(std::string texte, const Fonction::ListeConstantes* constantes) {
    std::replace(texte.begin(), texte.end(), ',', '.');
    if (constantes)
        for (const std::string& c : *constantes) remplacer(texte, Fonctions::NomCst(c), Fonctions::ValeurCst(c));
    return texte;
}

Valeur CalculFormule::valeurDuRésultat(const std::optional<Terme>& résultat) {
    if (!résultat) return Valeur("NO_EVAL");
    if (résultat->booléen) return Valeur(résultat->nombre != 0);
    return Valeur(résultat->nombre);
}

Valeur CalculFormule::valeurÀ(const Fonction& formule, const Fonctions& membres, std::int32_t i,
                              Evaluateur& évaluateur, Balayage balayage) {
    const std::string texte =
        texteÀÉvaluer(texteSubstitué(formule, membres, i, balayage), formule.Constantes().get());
    return valeurDuRésultat(évaluateur.évaluer(texte));
}

void CalculFormule::parSubstitution(Fonction& formule, const Fonctions& membres) {
    Evaluateur évaluateur;
    const std::int32_t n = formule.Longueur();
    for (std::int32_t i = 1; i <= n; ++i) formule.Item(i, valeurÀ(formule, membres, i, évaluateur));
}

}  // namespace vantorelle
