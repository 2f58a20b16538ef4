#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "main/VerificationReglages.h"
#include "store/Erreur.h"
#include "support/EnvironnementEssai.h"
#include "support/Erreurs.h"

namespace vantorelle {
namespace {

// Values a scan computes with are kept, with a warning when they make little sense; values it cannot compute
// with stop it, the key and the value named. Halves round to even, as the scan rounds them.
TEST(SettingsCheck, WarningsForOddValuesAndErrorsForThoseAScanCannotUse) {
    test::EnvironnementEssai env;
    const auto vérifier = [&](const std::string& ligne) {  // `ligne`, then the defaults: its key's is not read
        env.écrire("config/Vantorelle.ini",
                   "[BourseCollection]\n" + ligne + "\nTolérance=0,0625\nPériode=14\nPériode2=9\nTailleMarubozu=1\n");
        return VérifierRéglagesAnalyse(env.emplacements());
    };
    const std::string gardée = " n'a pas de sens ; la valeur est gardée";
    const std::pair<const char*, std::string> avertis[] = {
        {"Tolérance=-5", "Tolérance=-5 : une tolérance négative" + gardée},
        {"Période=0,5", "Période=0,5 : une période de 0" + gardée},
        {"TailleMarubozu=-1", "TailleMarubozu=-1 : une taille négative" + gardée},
        {"TailleMarubozu=2.5", "TailleMarubozu=2.5 : un nombre entier est attendu ; la valeur est arrondie à 2"},
    };
    for (const auto& [ligne, raison] : avertis)
        EXPECT_EQ(vérifier(ligne), (Avertissements{{env.paramètres(), 0, raison}})) << ligne;

    const std::string p = "Paramètre Période (section BourseCollection) : ";
    const std::pair<const char*, std::string> refusés[] = {
        {"Période=", p + "\"\" n'est pas un nombre."},
        {"Période=32767,5", p + "\"32767,5\" dépasse 32767."},
        {"Période=-32769", p + "\"-32769\" est en dessous de -32768."},
    };
    for (const auto& [ligne, message] : refusés) EXPECT_THROW_MSG(vérifier(ligne), ErreurConversion, message);
}

}  // namespace
}  // namespace vantorelle
