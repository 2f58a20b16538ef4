#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Emplacements.h"
#include "store/ContenuRepertoire.h"

namespace vantorelle {

/// The data root: the one the run imposes, else the setting, read at every call (the options change it
/// while the program runs), with "\" read as "/". A bare prefix to which "base/histo/" and "base/groupe/"
/// are appended (so it ends with "/"); empty when unset, which makes every path relative to the current
/// directory.
std::string CheminBase(const Emplacements& emplacements);

/// The history file of a security: the data root, "base/histo/" and the first name, in byte order, that
/// belongs to the code (`HistoriquesDans`); empty text when there is none.
std::string FichierHisto(const Emplacements& emplacements, std::string_view code);
/// The folder of the history files, "base/histo/" of the data root as found on disk.
std::string RépertoireHistoriques(const Emplacements& emplacements);

/// The history folder with its listing, read once for callers that look up many codes.
struct DossierHistoriques {
    std::string chemin;  ///< as `RépertoireHistoriques` gives it
    std::shared_ptr<const ContenuRépertoire> contenu;
};
DossierHistoriques LireDossierHistoriques(const Emplacements& emplacements);
/// The names of the folder's files that belong to a code, in byte order: those that end, without regard to
/// case, with "_", the code and ".txt", compared as plain text: a name that merely ends with the code does
/// not belong to it.
std::vector<std::string> HistoriquesDans(const DossierHistoriques& dossier, std::string_view code);
/// `FichierHisto` in the folder as it was listed.
std::string FichierHistoDans(const DossierHistoriques& dossier, std::string_view code);

/// Rebuilds the group of all securities: "base/groupe/All.txt" gets every line of every other group file,
/// sorted, with one line kept for each code (the first in sorted order). Nothing when there is no group
/// directory.
void ReconstruireTout(const Emplacements& emplacements);

/// Deletes every file of "base/histo"; throws ErreurFichier naming a file that cannot be deleted.
void ViderHistoriques(const Emplacements& emplacements);

/// The number of files in "base/histo"; 0 when it is missing.
int NombreHistoriques(const Emplacements& emplacements);

}  // namespace vantorelle
