#include "store/ErreurSysteme.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace vantorelle {

namespace {

std::string cause(int numéroErreur) {
    switch (numéroErreur) {
        case EACCES:
        case EPERM:
            return "accès refusé";
        case ENOENT:
            return "fichier ou dossier introuvable";
        case ENOTDIR:
            return "un élément du chemin n'est pas un dossier";
        case EISDIR:
            return "c'est un dossier";
        case ENOSPC:
            return "disque plein";
        case EROFS:
            return "disque en lecture seule";
        case EIO:
            return "erreur d'entrée/sortie";
        default:
            return std::strerror(numéroErreur);
    }
}

}  // namespace

ErreurFichier erreurSysteme(const std::filesystem::path& fichier, std::string_view action, int numéroErreur) {
    return ErreurFichier(fichier.string() + " : " + std::string(action) + " (" + cause(numéroErreur) + ")");
}

}  // namespace vantorelle
