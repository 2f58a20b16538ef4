#include "main/LectureParametres.h"

#include <optional>

#include "shell/INI.h"
#include "store/Casse.h"
#include "store/Erreur.h"
#include "store/TexteNombre.h"

namespace vantorelle {

namespace {

ErreurConversion erreur(std::string_view section, std::string_view clé, const std::string& valeur,
                        const char* attendu) {
    return ErreurConversion("Paramètre " + std::string(clé) + " (section " + std::string(section) + ") : \"" + valeur +
                            "\" n'est pas " + attendu + ".");
}

bool estNombre(const std::string& texte, double& nombre) {
    std::optional<double> lu = lireNombre(texte);
    if (lu) nombre = *lu;
    return lu.has_value();
}

}  // namespace

double paramètreNombre(const INI& ini, std::string_view section, std::string_view clé) {
    std::string valeur = ini.Value(section, clé, "");
    double nombre = 0;
    if (valeur.empty() || !estNombre(valeur, nombre)) throw erreur(section, clé, valeur, "un nombre");
    return nombre;
}

bool paramètreBooléen(const INI& ini, std::string_view section, std::string_view clé, const std::string& siVide) {
    std::string valeur = ini.Value(section, clé, "");
    if (valeur.empty()) valeur = siVide;
    if (const std::optional<bool> mot = lireMotBooléen(valeur)) return *mot;
    double nombre = 0;
    if (valeur.empty() || !estNombre(valeur, nombre)) throw erreur(section, clé, valeur, "une valeur booléenne");
    return nombre != 0;
}

}  // namespace vantorelle
