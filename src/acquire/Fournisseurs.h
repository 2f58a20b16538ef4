#pragma once
#include <array>
#include <string>
#include <string_view>

#include "analysis/Jour.h"
#include "shell/Bureau.h"
#include "shell/Emplacements.h"

namespace vantorelle {

/// A quote provider of the manual download window: the button that asks it, the address of its server
/// (ours to choose, so a language file may replace it, in the window's section, like the site address), the
/// path of its download page and the query that asks it for the quotes of a date range.
struct Fournisseur {
    std::string_view bouton;
    std::string_view titre;
    std::string_view adresse;
    std::string_view chemin;
    std::string (*requête)(Jour début, Jour fin);
};

/// The section of the language file that may replace the providers' addresses.
inline constexpr std::string_view sectionFournisseurs = "frmImportTierce";

/// The providers, in the order of their buttons.
extern const std::array<Fournisseur, 3> Fournisseurs;

/// The full request: the provider's address (translated), its path, "?" and its query for the range.
std::string DemandeFournisseur(const Emplacements& emplacements, const Fournisseur& fournisseur, Jour début,
                               Jour fin);

/// Opens the request in the user's browser; the window does not check the outcome.
void OuvrirDemandeFournisseur(const Emplacements& emplacements, const Fournisseur& fournisseur, Jour début,
                              Jour fin, Bureau& bureau);

}  // namespace vantorelle
