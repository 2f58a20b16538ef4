#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

/// Every byte of the file; throws ErreurFichier naming it when it cannot be read.
std::string lireFichierEntier(const std::string& chemin);

/// The lines of a text, each without its end (LF, or CR LF); a final line end does not start another line.
std::vector<std::string_view> lignesDe(std::string_view texte);

}  // namespace vantorelle
