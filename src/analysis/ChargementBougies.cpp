#include "analysis/ChargementBougies.h"

#include "store/Arrondi.h"

namespace vantorelle {

std::int64_t Recul(double période, PériodeBougie bougie) {
    auto jours = static_cast<std::int64_t>(arrondiPair((période + 10) * 7 / 5));
    if (bougie == PériodeBougie::Semaine) return jours * 5;
    if (bougie == PériodeBougie::Mois) return jours * 22;
    return jours;
}

std::string CléDeDébut(Jour début, PériodeBougie bougie) {
    std::string jour = début.texte();
    if (bougie == PériodeBougie::Semaine) return BourseCollection::CleSemaine(jour);
    if (bougie == PériodeBougie::Mois) return jour.substr(0, 6);
    return jour;
}

void ChargerBougies(BourseCollection& bc, BourseCollection& jours, const std::string& code, const std::string& nom,
                    const std::filesystem::path& fichier, Jour premier, Jour dernier, PériodeBougie période) {
    if (période == PériodeBougie::Jour)
        jours.ChargeFichier(code, nom, fichier, premier, dernier, 0);
    else
        bc = jours.ChargePériodes(code, nom, fichier, premier, dernier, période == PériodeBougie::Semaine);
}

std::int32_t ReconnaîtreDepuis(BourseCollection& bc, std::string_view cléDébut) {
    std::int32_t s = 1;
    while (s <= bc.Nombre && bc.Date.Item(s).texte() < cléDébut) ++s;
    if (s > bc.Nombre) return 0;
    bc.ChargeChandeliers(s);
    bc.ChargePondération();
    return s;
}

}  // namespace vantorelle
