#pragma once
#include <filesystem>
#include <string_view>

#include "store/Erreur.h"

namespace vantorelle {

/// The file error for a failed system call on `fichier`: the file, what was being done, and why
/// (from the error number), e.g. "/d/a.txt : lecture impossible (accès refusé)".
ErreurFichier erreurSysteme(const std::filesystem::path& fichier, std::string_view action, int numéroErreur);

}  // namespace vantorelle
