#include "main/VerificationReglages.h"

#include <cstdint>
#include <limits>

#include "shell/INI.h"
#include "shell/TableOptions.h"
#include "store/Arrondi.h"
#include "store/Erreur.h"
#include "store/TexteNombre.h"

namespace vantorelle {

namespace {

const std::string gardée = " ; la valeur est gardée";

std::string cité(std::string_view valeur) { return "\"" + champCité(valeur) + "\""; }

}  // namespace

std::optional<std::string> VérifierRéglageAnalyse(std::string_view clé, std::string_view valeur,
                                                  std::string_view nom) {
    const auto refus = [&](const std::string& raison) {
        return ErreurConversion(std::string(nom) + " : " + cité(valeur) + raison + ".");
    };
    const std::optional<double> nombre = lireNombre(valeur);
    if (!nombre) throw refus(" n'est pas un nombre");
    if (clé == Clés::Tolérance) {
        if (*nombre < 0) return "une tolérance négative n'a pas de sens" + gardée;
        return std::nullopt;
    }
    const double entier = arrondiPair(*nombre);
    if (entier > std::numeric_limits<std::int16_t>::max()) throw refus(" dépasse 32767");
    if (entier < std::numeric_limits<std::int16_t>::min()) throw refus(" est en dessous de -32768");
    const auto lu = static_cast<long long>(entier);
    if (clé == Clés::TailleMarubozu && lu < 0) return "une taille négative n'a pas de sens" + gardée;
    if (clé != Clés::TailleMarubozu && lu < 1) return "une période de " + texteEntier(lu) + " n'a pas de sens" + gardée;
    if (entier != *nombre) return "un nombre entier est attendu ; la valeur est arrondie à " + texteEntier(lu);
    return std::nullopt;
}

Avertissements VérifierRéglagesAnalyse(const Emplacements& emplacements) {
    const INI ini(emplacements, 1, std::string(TitreApplication));
    Avertissements avertissements;
    for (const std::string_view clé : {Clés::Tolérance, Clés::Période, Clés::Période2, Clés::TailleMarubozu}) {
        // Read as the scan reads it: an empty value stays empty.
        const std::string valeur = ini.Value(SectionBourse, clé, "");
        const std::string nom = "Paramètre " + std::string(clé) + " (section " + std::string(SectionBourse) + ")";
        if (const std::optional<std::string> raison = VérifierRéglageAnalyse(clé, valeur, nom))
            avertissements.push_back({emplacements.FichierParamètres().string(), 0,
                                      std::string(clé) + "=" + champCité(valeur) + " : " + *raison});
    }
    return avertissements;
}

}  // namespace vantorelle
