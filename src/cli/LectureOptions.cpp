#include "cli/LectureOptions.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>

#include "store/ErreurSysteme.h"

namespace vantorelle::cli {

namespace {

std::optional<Jour> lireDate(const std::string& texte) {
    if (texte.size() != 8 || texte.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const Jour jour = Jour::deClé(texte);
    if (jour.estZéro()) return std::nullopt;
    return jour;
}

}  // namespace

std::optional<Fenêtre> lireFenêtre(const std::string& nomCommande, const std::string& du, const std::string& au) {
    const auto lire = [&nomCommande](const char* option, const std::string& texte, std::optional<Jour>& date) {
        if (texte.empty() || (date = lireDate(texte))) return true;
        std::cerr << nomCommande << option << " attend une date aaaammjj, pas « " << texte << " ».\n";
        return false;
    };
    Fenêtre fenêtre;
    if (!lire("--du", du, fenêtre.du) || !lire("--au", au, fenêtre.au)) return std::nullopt;
    return fenêtre;
}

bool datesDansLOrdre(const std::string& nomCommande, Jour du, Jour au) {
    if (du <= au) return true;
    std::cerr << nomCommande << "la première date (" << du.texte() << ") est après la dernière (" << au.texte()
              << ").\n";
    return false;
}

std::optional<PériodeBougie> lirePériode(const std::string& texte) {
    if (texte == "jour") return PériodeBougie::Jour;
    if (texte == "semaine") return PériodeBougie::Semaine;
    if (texte == "mois") return PériodeBougie::Mois;
    return std::nullopt;
}

CLI::Validator fichierParamètresLisible() {
    return CLI::Validator(
        [](std::string& chemin) -> std::string {
            namespace fs = std::filesystem;
            std::error_code erreur;
            const fs::file_type genre = fs::status(chemin, erreur).type();
            if (genre == fs::file_type::not_found) return {};
            if (genre == fs::file_type::directory)
                return "« " + chemin + " » est un dossier, pas un fichier de paramètres";
            const int descripteur = erreur ? -1 : ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (descripteur < 0)
                return "« " + chemin + " » ne peut pas être lu (" + causeSystème(erreur ? erreur.value() : errno) + ")";
            ::close(descripteur);
            return {};
        },
        "");
}

}  // namespace vantorelle::cli
