#include "cli/MessageUtilisateur.h"

#include <filesystem>
#include <new>
#include <system_error>

#include "store/Erreur.h"
#include "store/ErreurSysteme.h"

namespace vantorelle::cli {

namespace {

std::string cause(const std::error_code& code) {
    if (code.category() == std::generic_category() || code.category() == std::system_category())
        return causeSystème(code.value());
    return "erreur d'entrée/sortie";
}

}  // namespace

std::string messageUtilisateur(const std::exception& erreur) {
    if (dynamic_cast<const Erreur*>(&erreur)) return erreur.what();
    if (dynamic_cast<const std::bad_alloc*>(&erreur)) return "mémoire insuffisante";
    if (const auto* fichier = dynamic_cast<const std::filesystem::filesystem_error*>(&erreur)) {
        std::string chemins = fichier->path1().string();
        if (!fichier->path2().empty()) chemins += ", " + fichier->path2().string();
        return (chemins.empty() ? "" : chemins + " : ") + cause(fichier->code());
    }
    if (const auto* système = dynamic_cast<const std::system_error*>(&erreur)) return cause(système->code());
    return "erreur interne du programme";
}

}  // namespace vantorelle::cli
