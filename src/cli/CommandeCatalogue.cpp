#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Commandes.h"
#include "cli/SortieCommande.h"
#include "main/ListeCatalogue.h"
#include "shell/Traducteur.h"

namespace vantorelle::cli {

namespace {

const std::string nomCommande = "vantorelle-cli catalogue : ";

struct OptionsCatalogue {
    bool constantes = false;
    OptionsSortie sortie;
};

/// A table: its captions, its JSON keys and its rows.
template <std::size_t N>
int écrire(const OptionsSortie& options, const std::array<std::string_view, N>& titres,
           const std::array<const char*, N>& clés, const std::vector<std::array<std::string, N>>& lignes) {
    const std::unique_ptr<SortieCommande> sortie = ouvrirSortie(nomCommande, options, {clés.begin(), clés.end()});
    if (!sortie) return 2;
    sortie->Table().EnTête(titres);
    std::array<std::string_view, N> cellules;
    for (const std::array<std::string, N>& ligne : lignes) {
        std::copy(ligne.begin(), ligne.end(), cellules.begin());
        sortie->Table().Ligne(cellules);
    }
    sortie->Terminer();
    return 0;
}

}  // namespace

Exécution ajouterCatalogue(CLI::App& app, const Contexte& contexte) {
    auto options = std::make_shared<OptionsCatalogue>();
    CLI::App* catalogue = app.add_subcommand(
        "catalogue",
        "Liste les figures reconnues : le code, la constante nommée qu'une formule écrit pour ce code (vide quand "
        "aucune ne vaut ce code), le nom tel que le montre le tableau de bord, la famille, la pondération et le "
        "nombre de bougies.");
    catalogue->add_flag("--constantes", options->constantes,
                        "Liste plutôt les constantes nommées des formules, leur valeur et la figure de ce code");
    ajouterOptionsSortie(*catalogue, options->sortie);
    return [options, &contexte] {
        const Traduction traduire = [&](const std::string& section, const std::string& texte) {
            return Traduire(contexte.emplacements, section, texte);
        };
        if (options->constantes)
            return écrire<3>(options->sortie, {"Constante", "Valeur", "Figure"}, {"constante", "valeur", "figure"},
                             ConstantesDuCatalogue(traduire));
        return écrire<6>(options->sortie, {"Code", "Constante", "Nom", "Famille", "Pondération", "Bougies"},
                         {"code", "constante", "nom", "famille", "ponderation", "bougies"},
                         FiguresDuCatalogue(traduire));
    };
}

}  // namespace vantorelle::cli
