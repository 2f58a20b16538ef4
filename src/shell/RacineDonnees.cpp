#include "shell/RacineDonnees.h"

#include <unistd.h>

#include <cerrno>

#include "shell/INI.h"
#include "shell/TableOptions.h"
#include "store/Casse.h"
#include "store/Chemins.h"
#include "store/EcritureAtomique.h"
#include "store/Encodage.h"
#include "store/ErreurSysteme.h"
#include "store/Fichier.h"
#include "store/Groupes.h"
#include "store/LectureComplete.h"
#include "store/Repertoires.h"

namespace vantorelle {

namespace {

std::string répertoireHistoriques(const Emplacements& emplacements) { return CheminBase(emplacements) + "base/histo"; }

}  // namespace

std::string CheminBase(const Emplacements& emplacements) {
    if (!emplacements.Racine().empty()) return emplacements.Racine();
    return CheminDepuisParamètre(
        INI(emplacements, 1, std::string(TitreApplication)).Value(SectionChemins, Clés::PathPlotanex, ""));
}

std::string RépertoireHistoriques(const Emplacements& emplacements) {
    return CheminSurDisque(répertoireHistoriques(emplacements) + "/");
}

std::string FichierHisto(const Emplacements& emplacements, std::string_view code) {
    return FichierHistoDans(LireDossierHistoriques(emplacements), code);
}

DossierHistoriques LireDossierHistoriques(const Emplacements& emplacements) {
    std::string chemin = RépertoireHistoriques(emplacements);
    auto contenu = ContenuRépertoire::lire(chemin);
    return {std::move(chemin), std::move(contenu)};
}

std::vector<std::string> HistoriquesDans(const DossierHistoriques& dossier, std::string_view code) {
    std::string fin = "_";
    fin.append(code).append(".txt");
    std::vector<std::string> noms;
    const auto& entrées = dossier.contenu->entrées();
    for (const std::size_t i : dossier.contenu->finissantPar(plierCasse(fin)))
        if (!entrées[i].répertoire && !entrées[i].caché) noms.push_back(entrées[i].nom);
    return noms;
}

std::string FichierHistoDans(const DossierHistoriques& dossier, std::string_view code) {
    const auto noms = HistoriquesDans(dossier, code);
    return noms.empty() ? std::string() : dossier.chemin + noms.front();
}

void ReconstruireTout(const Emplacements& emplacements) {
    const std::string groupes = RépertoireGroupes(CheminBase(emplacements));
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

void ViderHistoriques(const Emplacements& emplacements) {
    for (const std::string& chemin : ListerFichiers(répertoireHistoriques(emplacements), AttributNormal, false))
        if (::unlink(chemin.c_str()) != 0 && errno != ENOENT) throw erreurSysteme(chemin, "suppression impossible", errno);
}

int NombreHistoriques(const Emplacements& emplacements) {
    return static_cast<int>(ListerFichiers(répertoireHistoriques(emplacements), AttributNormal, false).size());
}

}  // namespace vantorelle
