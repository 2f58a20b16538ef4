#include "acquire/DemandesAutomatiques.h"

#include "store/Chaines.h"

namespace vantorelle {

std::vector<DemandeJour> DemandesAutomatiques(std::string_view modèle, Jour début, Jour fin) {
    constexpr int dimanche = 0, samedi = 6;
    std::vector<DemandeJour> demandes;
    // Stops on reaching `fin` rather than past it: the day after 31 December 9999 is no day.
    for (Jour jour = début; jour <= fin; jour = jour.plus(1)) {
        if (const int j = jour.jourDeLaSemaine(); j != dimanche && j != samedi) {
            std::string adresse(modèle);
            Remplacer(adresse, MarqueJour, jour.texte(), true);
            demandes.push_back({jour, std::move(adresse)});
        }
        if (jour == fin) break;
    }
    return demandes;
}

}  // namespace vantorelle
