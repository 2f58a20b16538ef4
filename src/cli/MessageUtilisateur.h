#pragma once
#include <exception>
#include <string>

namespace vantorelle::cli {

/// The sentence the user reads for an exception: the program's own errors as they stand, the standard
/// library's in French (memory, files, system calls), any other as an internal error, never in English.
std::string messageUtilisateur(const std::exception& erreur);

}  // namespace vantorelle::cli
