#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "shell/Bureau.h"
#include "store/ContenuRepertoire.h"

namespace vantorelle {

/// The data root, read from the settings at every call, with "\" read as "/": a bare prefix to which
/// "base/histo/" and "base/groupe/" are appended (so it ends with "/"); empty when unset, which makes every
/// path relative to the current directory.
std::string CheminBase();

/// The history file of a security: the data root, "base/histo/" and the first name, in name order, that
/// matches "*_*", the code and ".txt" without regard to case; empty text when there is none.
std::string FichierHisto(std::string_view code);
/// The folder of the history files, "base/histo/" of the data root as found on disk.
std::string RépertoireHistoriques();

/// The history folder with its listing, read once for callers that look up many codes.
struct DossierHistoriques {
    std::string chemin;  ///< as `RépertoireHistoriques` gives it
    std::shared_ptr<const ContenuRépertoire> contenu;
};
DossierHistoriques LireDossierHistoriques();
/// `FichierHisto` in the folder as it was listed.
std::string FichierHistoDans(const DossierHistoriques& dossier, std::string_view code);

/// Rebuilds the group of all securities: "base/groupe/All.txt" gets every line of every other group file,
/// sorted, with one line kept for each code (the first in sorted order). Nothing when there is no group
/// directory.
void ReconstruireTout();

/// Deletes every file of "base/histo"; throws ErreurFichier naming a file that cannot be deleted.
void ViderHistoriques();

/// The number of files in "base/histo"; 0 when it is missing.
int NombreHistoriques();

/// Opens the security in the charting program: the data root becomes the current directory, "Plotanex" (or
/// "Plotanex.exe") of the data root is started there with the code as its argument, and the code and Enter
/// are typed into its window. False, with nothing shown, when it could not be started.
bool LancerPlotanex(const std::string& code, Bureau& bureau = bureauSystème());

}  // namespace vantorelle
