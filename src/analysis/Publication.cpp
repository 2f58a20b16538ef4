#include <memory>

#include "analysis/BourseCollection.h"
#include "series/Fonctions.h"

namespace vantorelle {

void BourseCollection::AjouterAuxFonctions(Fonctions& fonctions) {
    try {
        for (Fonction* série : {&Date, &Ouverture, &Maximum, &Minimum, &Clôture, &Volume, &Chandeliers})
            fonctions.Add(*série, série->Nom());
        auto volatilité = std::make_unique<Fonction>(Volatilité());
        std::string nom = volatilité->Nom();
        fonctions.Add(std::move(volatilité), std::move(nom));
        fonctions.Add(Pondération, Pondération.Nom());
    } catch (...) {
        // Half a publication would make the next one fail on a key already present.
        SupprimerDesFonctions(fonctions);
        throw;
    }
}

void BourseCollection::SupprimerDesFonctions(Fonctions& fonctions) const {
    for (const Fonction* série : {&Date, &Ouverture, &Maximum, &Minimum, &Clôture, &Volume, &Chandeliers})
        fonctions.Remove(série->Nom());
    fonctions.Remove("");  // the volatility series has no name
    fonctions.Remove(Pondération.Nom());
}

}  // namespace vantorelle
