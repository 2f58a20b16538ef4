#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "store/Erreur.h"

namespace vantorelle {

/// Why a system call failed, in French, from its error number ("accès refusé", "disque plein").
std::string causeSystème(int numéroErreur);

/// The file error for a failed system call on `fichier`: the file, what was being done, and why
/// (from the error number), e.g. "/d/a.txt : lecture impossible (accès refusé)".
ErreurFichier erreurSysteme(const std::filesystem::path& fichier, std::string_view action, int numéroErreur);

}  // namespace vantorelle
