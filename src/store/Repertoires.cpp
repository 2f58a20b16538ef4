#include "store/Repertoires.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "store/Casse.h"
#include "store/Chemins.h"
#include "store/ContenuRepertoire.h"
#include "store/EcritureAtomique.h"
#include "store/Encodage.h"
#include "store/ErreurSysteme.h"
#include "store/LectureComplete.h"
#include "store/Motif.h"

namespace vantorelle {

namespace {

bool existe(const std::string& chemin) {
    struct stat état {};
    return ::stat(chemin.c_str(), &état) == 0;
}

/// Lists the directory named by `préfixe`, which ends with "/".
void lister(const std::string& préfixe, std::int32_t attributs, bool récursif, std::vector<std::string>& résultat) {
    const auto contenu = ContenuRépertoire::lire(préfixe);
    for (const auto& entrée : contenu->entrées()) {
        if (entrée.caché && (attributs & AttributCaché) == 0) continue;
        if (entrée.répertoire && (attributs & AttributRépertoire) == 0) continue;
        if (entrée.répertoire && récursif)
            lister(préfixe + entrée.nom + '/', attributs, récursif, résultat);
        else if (attributs != AttributRépertoire || entrée.répertoire)
            résultat.push_back(préfixe + entrée.nom);
    }
}

}  // namespace

std::vector<std::string> ListerFichiers(std::string_view répertoire, std::int32_t attributs, bool récursif) {
    std::vector<std::string> résultat;
    std::string préfixe(répertoire);
    if (!préfixe.ends_with('/')) préfixe += '/';
    lister(CheminSurDisque(préfixe), attributs, récursif, résultat);
    return résultat;
}

std::vector<std::string> ChercherFichiers(std::string_view répertoire, std::string_view motif) {
    return ChercherFichiers(*ContenuRépertoire::lire(CheminSurDisque(répertoire)), motif);
}

std::vector<std::string> ChercherFichiers(const ContenuRépertoire& contenu, std::string_view motif) {
    const std::string motifPlié = plierCasse(motif);
    const auto& entrées = contenu.entrées();
    // A pattern ending with plain text can only match the names that end with it.
    const auto étoile = motifPlié.rfind('*');
    const std::string_view fin = étoile == std::string::npos ? std::string_view() : std::string_view(motifPlié).substr(étoile + 1);
    std::vector<std::size_t> candidats;
    if (!fin.empty() && fin.find('?') == std::string_view::npos) {
        candidats = contenu.finissantPar(fin);
    } else {
        candidats.resize(entrées.size());
        for (std::size_t i = 0; i < candidats.size(); ++i) candidats[i] = i;
    }
    std::vector<std::string> noms;
    for (const std::size_t i : candidats) {
        const auto& entrée = entrées[i];
        if (!entrée.répertoire && !entrée.caché && correspondAuMotif(entrée.nomPlié, motifPlié)) noms.push_back(entrée.nom);
    }
    return noms;
}

bool FichierExiste(std::string_view chemin) {
    struct stat état {};
    return ::stat(std::string(chemin).c_str(), &état) == 0 && !S_ISDIR(état.st_mode);
}

bool RépertoireExiste(std::string_view chemin) {
    struct stat état {};
    return ::stat(std::string(chemin).c_str(), &état) == 0 && S_ISDIR(état.st_mode);
}

bool ChangerRépertoire(std::string_view chemin) {
    return !chemin.empty() && ::chdir(CheminSurDisque(chemin).c_str()) == 0;
}

void AllerAuRépertoire(std::string_view répertoire) {
    // Through a name inside the directory, so that a final "/" or its absence gives the same directory.
    const std::string cible = RépertoireDe(std::string(répertoire) + "/bidon");
    if (::chdir(CheminSurDisque(cible).c_str()) != 0)
        throw erreurSysteme(std::string(répertoire), "répertoire inaccessible", errno);
}

std::string lignesDesFichiers(const std::vector<std::string>& sources,
                              const std::function<void(std::string_view)>& enÉchec) {
    std::string lignes;
    for (const std::string& source : sources) {
        std::string octets;
        try {
            octets = lireFichierEntier(source);
        } catch (const ErreurFichier&) {
            enÉchec(lignes);
            throw;
        }
        // A group saved by an editor in UTF-8 with its mark joins the others in Windows-1252.
        const bool utf8 = lisibleEnUtf8(octets, false);
        for (const std::string_view ligne : lignesDe(sansMarqueUtf8(octets))) {
            if (utf8)
                ajouterVersWindows1252(lignes, ligne);
            else
                lignes.append(ligne);
            lignes.append("\r\n");
        }
    }
    return lignes;
}

void ConcaténerFichiers(const std::string& destination, const std::vector<std::string>& sources) {
    const auto écrire = [&](std::string_view lignes) { écrireAtomiquement(destination, lignes); };
    écrire(lignesDesFichiers(sources, écrire));
}

std::string CheminSurDisque(std::string_view chemin) {
    if (chemin.empty() || existe(std::string(chemin))) return std::string(chemin);
    std::string courant = chemin.starts_with('/') ? "/" : "";
    std::string_view reste = chemin;
    while (!reste.empty()) {
        const auto fin = reste.find('/');
        const std::string_view composant = reste.substr(0, fin);
        reste.remove_prefix(fin == std::string_view::npos ? reste.size() : fin + 1);
        if (composant.empty()) continue;
        std::string candidat = courant + std::string(composant);
        if (!existe(candidat)) {
            const std::string plié = plierCasse(composant);
            const auto contenu = ContenuRépertoire::lire(courant);
            bool trouvé = false;
            for (const auto& entrée : contenu->entrées()) {
                if (entrée.nomPlié == plié) {
                    candidat = courant + entrée.nom;
                    trouvé = true;
                    break;
                }
            }
            if (!trouvé) return courant + std::string(composant) + (fin == std::string_view::npos ? "" : "/") + std::string(reste);
        }
        courant = std::move(candidat);
        if (fin != std::string_view::npos) courant += '/';
    }
    return courant;
}

}  // namespace vantorelle
