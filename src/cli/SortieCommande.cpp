#include "cli/SortieCommande.h"

#include <cstdio>
#include <iostream>

#include "cli/MessageUtilisateur.h"

namespace vantorelle::cli {

namespace {

FormatTable format(const std::string& texte) {
    if (texte == "csv") return FormatTable::Csv;
    if (texte == "json") return FormatTable::Json;
    return FormatTable::Tsv;
}

}  // namespace

void ajouterOptionsSortie(CLI::App& commande, OptionsSortie& options) {
    commande
        .add_option("--format", options.format,
                    "Format du tableau : tsv (TAB, par défaut), csv (virgules, fins de ligne CR LF) ou json (un "
                    "objet par ligne)")
        ->check(CLI::IsMember({"tsv", "csv", "json"}))
        ->type_name("FORMAT");
    commande
        .add_option("-o", options.fichier,
                    "Écrit le tableau dans FICHIER plutôt que sur la sortie standard ; en cas d'erreur, le fichier "
                    "n'est ni créé ni remplacé")
        ->type_name("FICHIER");
}

SortieCommande::SortieCommande(const OptionsSortie& options, std::vector<std::string> clés)
    : fichier_(options.fichier.empty() ? nullptr : std::make_unique<ÉcritureAtomique>(options.fichier)),
      table_(format(options.format), std::move(clés), [this](std::string_view texte) {
          if (fichier_)
              fichier_->Écrire(texte);
          else
              std::fwrite(texte.data(), 1, texte.size(), stdout);
      }) {}

void SortieCommande::Terminer() {
    table_.Vider();
    if (fichier_)
        fichier_->Terminer();
    else
        std::fflush(stdout);
}

void SortieCommande::Abandonner() {
    if (fichier_) {
        fichier_.reset();
        return;
    }
    table_.Vider();
    std::fflush(stdout);
}

std::unique_ptr<SortieCommande> ouvrirSortie(const std::string& nomCommande, const OptionsSortie& options,
                                             std::vector<std::string> clés) {
    try {
        return std::make_unique<SortieCommande>(options, std::move(clés));
    } catch (const std::exception& e) {
        std::cerr << nomCommande << messageUtilisateur(e) << "\n";
        return nullptr;
    }
}

}  // namespace vantorelle::cli
