#include "analysis/AvertissementsChargement.h"

#include "store/Avertissement.h"

namespace vantorelle {

namespace {

std::string compte(std::int64_t nombre, const char* singulier, const char* pluriel) {
    return std::to_string(nombre) + " " + (nombre > 1 ? pluriel : singulier);
}

}  // namespace

std::string raisonLignesIgnorées(std::int64_t nombre, std::string_view première) {
    return compte(nombre, "ligne ignorée", "lignes ignorées") + " (date illisible ou moins de 6 champs)" +
           (nombre > 1 ? ", la première : \"" : " : \"") + champCité(première) + "\"";
}

std::string raisonSansBougie(std::string_view octets) {
    if (octets.empty()) return "fichier vide";
    // A byte-order mark, or the zero bytes of the high halves of ASCII characters.
    if (octets.starts_with("\xFF\xFE") || octets.starts_with("\xFE\xFF") || octets.find('\0') != octets.npos)
        return std::string("fichier ") + EnUtf16;
    if (octets.find('\r') != octets.npos && octets.find('\n') == octets.npos) return FinsDeLigneCR;
    return "aucune ligne de bougie (6 champs séparés par des TAB, une date aaaammjj)";
}

std::string raisonArrêt(Jour date, Jour dernièreBougie, std::int64_t lignesSuivantes) {
    return "date " + date.texte() + " après celle de la dernière ligne (" + dernièreBougie.texte() +
           ") : le chargement s'arrête ici, " +
           compte(lignesSuivantes, "ligne suivante ignorée", "lignes suivantes ignorées");
}

}  // namespace vantorelle
