#include "store/Groupes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Groupes, SeulesLesLignesDeDeuxChampsComptent) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("CAC.txt",
                                              "FR0000130007\tAlcatel\r\n"
                                              "FR0000130809\tSoci\xE9t\xE9 G\xE9n\xE9rale\r\n"  // Windows-1252
                                              "\r\n"
                                              "FR0000120271\tTotal\tde trop\r\n"
                                              "FR0000120628\tAxa\t\r\n"  // a trailing tab is a third field
                                              "sans tabulation\r\n"
                                              "FR0000121014\tLVMH\n"     // LF alone
                                              "FR0000125007\tSaint-Gobain\\Nord\n"
                                              "FR0000130007\tAlcatel");  // again, without a final line end
    EXPECT_THAT(LireGroupe(chemin), ElementsAre(TitreGroupe{"FR0000130007", "Alcatel"},
                                                TitreGroupe{"FR0000130809", "Société Générale"},
                                                TitreGroupe{"FR0000121014", "LVMH"},
                                                TitreGroupe{"FR0000125007", "Saint-Gobain\\Nord"},
                                                TitreGroupe{"FR0000130007", "Alcatel"}));
}

TEST(Groupes, UnGroupeIllisibleEstUneErreurQuiLeNomme) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.fichier("absent.txt");
    EXPECT_EQ(messageDErreur<ErreurFichier>([&] { LireGroupe(chemin); }),
              chemin + " : lecture impossible (fichier ou dossier introuvable)");
}

TEST(Groupes, ListerGroupesQuelleQueSoitLaCasseDuRepertoire) {
    DossierTemporaire dossier;
    std::filesystem::create_directories(dossier.chemin() / "Base" / "Groupe");
    for (const char* nom : {"Vantorelle.txt", "All.txt", "CAC 40.TXT", "notes.doc", "a.txt"})
        dossier.écrire(std::string("Base/Groupe/") + nom, "");
    const std::string racine = dossier.chemin().string() + "/";
    EXPECT_THAT(ListerGroupes(racine), ElementsAre("All", "CAC 40", "Vantorelle", "a"));
    EXPECT_EQ(RépertoireGroupes(racine), racine + "Base/Groupe/");
    EXPECT_EQ(FichierGroupe(racine, "vantorelle"), racine + "Base/Groupe/Vantorelle.txt");
    EXPECT_EQ(FichierGroupe(racine, "Nouveau"), racine + "Base/Groupe/Nouveau.txt");
}

TEST(Groupes, UneRacineAbsenteNeDonneAucunGroupe) {
    EXPECT_THAT(ListerGroupes("/nulle/part/"), IsEmpty());
    EXPECT_THAT(ListerGroupes(""), IsEmpty());
}

}  // namespace
}  // namespace vantorelle::test
