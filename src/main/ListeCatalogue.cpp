#include "main/ListeCatalogue.h"

#include <algorithm>
#include <cstdint>

#include "analysis/Catalogue.h"

namespace vantorelle {

namespace {

struct Constante {
    std::string nom;
    std::int32_t valeur;
};

/// The constants' "NAME=VALUE" texts split.
std::vector<Constante> constantes() {
    std::vector<Constante> lues;
    const auto textes = Catalogue::constantes();
    for (const std::string& texte : *textes) {
        const std::size_t égal = texte.find('=');
        lues.push_back({texte.substr(0, égal), std::stoi(texte.substr(égal + 1))});
    }
    return lues;
}

std::string nomAffiché(const Figure& figure, const Traduction& traduire) {
    return traduire("Chandeliers", std::string(figure.nom));
}

std::string famille(std::int32_t code) {
    switch (Catalogue::famille(code)) {
        case Catalogue::Haussière: return "haussière";
        case Catalogue::Baissière: return "baissière";
        case Catalogue::Neutre: return "neutre";
        default: return "indéterminée";
    }
}

std::string bougies(const Figure& figure) {
    const std::string minimum = std::to_string(figure.bougiesMin);
    return figure.bougiesMin == figure.bougiesMax ? minimum : minimum + " à " + std::to_string(figure.bougiesMax);
}

}  // namespace

std::vector<std::array<std::string, 6>> FiguresDuCatalogue(const Traduction& traduire) {
    const std::vector<Constante> noms = constantes();
    std::vector<std::array<std::string, 6>> lignes;
    for (const Figure& figure : Catalogue::figures()) {
        const auto constante =
            std::find_if(noms.begin(), noms.end(), [&](const Constante& c) { return c.valeur == figure.code; });
        lignes.push_back({std::to_string(figure.code), constante == noms.end() ? "" : constante->nom,
                          nomAffiché(figure, traduire), famille(figure.code), std::to_string(figure.poids),
                          bougies(figure)});
    }
    return lignes;
}

std::vector<std::array<std::string, 3>> ConstantesDuCatalogue(const Traduction& traduire) {
    std::vector<std::array<std::string, 3>> lignes;
    for (const Constante& constante : constantes()) {
        const Figure* figure = Catalogue::trouve(constante.valeur);
        lignes.push_back(
            {constante.nom, std::to_string(constante.valeur), figure ? nomAffiché(*figure, traduire) : ""});
    }
    return lignes;
}

}  // namespace vantorelle
