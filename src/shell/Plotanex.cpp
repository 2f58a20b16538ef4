#include "shell/Plotanex.h"

#include <unistd.h>

#include <cerrno>

#include "shell/Emplacements.h"
#include "shell/INI.h"
#include "shell/TableOptions.h"
#include "store/Chemins.h"
#include "store/ContenuRepertoire.h"
#include "store/EcritureAtomique.h"
#include "store/Encodage.h"
#include "store/ErreurSysteme.h"
#include "store/Fichier.h"
#include "store/Groupes.h"
#include "store/LectureComplete.h"
#include "store/Repertoires.h"

namespace vantorelle {

namespace {

std::string répertoireHistoriques() { return CheminBase() + "base/histo"; }

}  // namespace

std::string CheminBase() {
    return CheminDepuisParamètre(INI(1, std::string(TitreApplication)).Value(SectionChemins, Clés::PathPlotanex, ""));
}

std::string RépertoireHistoriques() { return CheminSurDisque(répertoireHistoriques() + "/"); }

std::string FichierHisto(std::string_view code) { return FichierHistoDans(LireDossierHistoriques(), code); }

DossierHistoriques LireDossierHistoriques() {
    std::string chemin = RépertoireHistoriques();
    auto contenu = ContenuRépertoire::lire(chemin);
    return {std::move(chemin), std::move(contenu)};
}

std::string FichierHistoDans(const DossierHistoriques& dossier, std::string_view code) {
    const auto noms = ChercherFichiers(*dossier.contenu, "*_*" + std::string(code) + ".txt");
    return noms.empty() ? std::string() : dossier.chemin + noms.front();
}

void ReconstruireTout() {
    const std::string groupes = RépertoireGroupes(CheminBase());
    if (!RépertoireExiste(groupes)) return;
    std::vector<std::string> sources;
    for (std::string& chemin : ListerFichiers(groupes, AttributNormal, false))
        if (NomCourtDe(chemin) != "All.txt") sources.push_back(std::move(chemin));

    // The concatenation is sorted and written in one go, as if written out and loaded again: All.txt is
    // replaced once, and holds the concatenation alone when a group cannot be read.
    const std::string tout = groupes + "All.txt";
    const std::string octets =
        lignesDesFichiers(sources, [&](std::string_view lignes) { écrireAtomiquement(tout, lignes); });
    Tableau<std::string> lignes;
    for (const std::string_view ligne : lignesDe(octets)) lignes.push_back(depuisWindows1252(ligne));
    if (lignes.size() > 1 && lignes.back().empty()) lignes.pop_back();  // as a line file drops it on loading
    Fichier fichier(tout);
    fichier.Data().FromArray(std::move(lignes));
    fichier.Trier(true, false);
    fichier.Dédupliquer(1);
    fichier.Décharger("", 1);
}

void ViderHistoriques() {
    for (const std::string& chemin : ListerFichiers(répertoireHistoriques(), AttributNormal, false))
        if (::unlink(chemin.c_str()) != 0 && errno != ENOENT) throw erreurSysteme(chemin, "suppression impossible", errno);
}

int NombreHistoriques() {
    return static_cast<int>(ListerFichiers(répertoireHistoriques(), AttributNormal, false).size());
}

bool LancerPlotanex(const std::string& code, Bureau& bureau) {
    try {
        const std::string racine = CheminBase();
        AllerAuRépertoire(racine);
        for (const char* nom : {"Plotanex", "Plotanex.exe"}) {
            const std::string programme = racine.empty() ? std::string("./") + nom : racine + nom;
            if (!FichierExiste(programme)) continue;
            const auto processus = bureau.démarrer({programme, code}, racine);
            if (!processus) return false;
            bureau.taper(*processus, code);
            return true;
        }
    } catch (const std::exception&) {
        // The charting program is a convenience: when it cannot be reached, nothing is said.
    }
    return false;
}

}  // namespace vantorelle
