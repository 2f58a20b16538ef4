#pragma once
#include <string>
#include <vector>

#include "main/ParametresScan.h"
#include "shell/Emplacements.h"
#include "store/Avertissement.h"
#include "store/Erreur.h"

namespace vantorelle {

/// The securities a scan of a group walks, and what their reading found amiss.
struct ValeursDuGroupe {
    std::vector<ValeurGroupe> valeurs;
    Avertissements avertissements;
};

/// The securities of a group file, each scanned once: a line whose code (compared byte for byte) an earlier
/// line gave is left out, since scanning the group of a previous scan would otherwise multiply it. Warns of
/// the lines left out and of the lines that are not a code and a name. Throws ErreurFichier naming the file
/// when it cannot be read.
ValeursDuGroupe LireValeursDuGroupe(const std::string& fichierGroupe);

/// A security asked for that has no history file.
class ErreurSansHistorique : public Erreur {
public:
    ErreurSansHistorique() : Erreur("Pas d'historique pour cette valeur.") {}
};

/// The security of `code` as a scan of it alone takes it: named as in the group All of the data root, with its
/// line there; no name when the group does not list it. Throws ErreurSansHistorique when no history file belongs
/// to the code.
ValeurGroupe ValeurDeLaBase(const Emplacements& emplacements, const std::string& code);

}  // namespace vantorelle
