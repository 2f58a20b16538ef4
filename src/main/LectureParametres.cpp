#include "main/LectureParametres.h"

#include <algorithm>
#include <optional>

#include "shell/INI.h"
#include "store/Erreur.h"
#include "store/TexteNombre.h"

namespace vantorelle {

namespace {

ErreurConversion erreur(const std::string& section, const std::string& clé, const std::string& valeur,
                        const char* attendu) {
    return ErreurConversion("Paramètre " + clé + " (section " + section + ") : \"" + valeur + "\" n'est pas " +
                            attendu + ".");
}

bool estNombre(const std::string& texte, double& nombre) {
    std::optional<double> lu = lireNombre(texte);
    if (lu) nombre = *lu;
    return lu.has_value();
}

std::string minuscules(std::string texte) {
    std::transform(texte.begin(), texte.end(), texte.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : static_cast<char>(c); });
    return texte;
}

}  // namespace

double paramètreNombre(const INI& ini, const std::string& section, const std::string& clé) {
    std::string valeur = ini.Value(section, clé, "");
    double nombre = 0;
    if (valeur.empty() || !estNombre(valeur, nombre)) throw erreur(section, clé, valeur, "un nombre");
    return nombre;
}

bool paramètreBooléen(const INI& ini, const std::string& section, const std::string& clé, const std::string& siVide) {
    std::string valeur = ini.Value(section, clé, "");
    if (valeur.empty()) valeur = siVide;
    std::string mot = minuscules(valeur);
    if (mot == "vrai" || mot == "true") return true;
    if (mot == "faux" || mot == "false") return false;
    double nombre = 0;
    if (valeur.empty() || !estNombre(valeur, nombre)) throw erreur(section, clé, valeur, "une valeur booléenne");
    return nombre != 0;
}

}  // namespace vantorelle
