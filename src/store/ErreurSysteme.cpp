#include "store/ErreurSysteme.h"

#include <cerrno>
#include <string>

namespace vantorelle {

std::string causeSystème(int numéroErreur) {
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
        case EEXIST:
            return "le fichier existe déjà";
        case ENOTEMPTY:
            return "le dossier n'est pas vide";
        case ENAMETOOLONG:
            return "nom trop long";
        case ELOOP:
            return "trop de liens symboliques";
        case EMFILE:
        case ENFILE:
            return "trop de fichiers ouverts";
        case EDQUOT:
            return "quota dépassé";
        case ENOMEM:
            return "mémoire insuffisante";
        default:
            // The system's own text would be English: the number lets the user look it up.
            return "erreur système n° " + std::to_string(numéroErreur);
    }
}

ErreurFichier erreurSysteme(const std::filesystem::path& fichier, std::string_view action, int numéroErreur) {
    return ErreurFichier(fichier.string() + " : " + std::string(action) + " (" + causeSystème(numéroErreur) + ")");
}

}  // namespace vantorelle
