#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace vantorelle {

/// The kinds of control the translation tells apart.
enum class GenreContrôle { Libellé, Bouton, BoutonOption, CaseÀCocher, Cadre, ZoneTexte, BarreOutils, ListeVue, Autre };

/// A control of a window as the translation sees it. A control without some property leaves the matching
/// operation as it is (doing nothing).
class ContrôleTraduisible {
public:
    virtual ~ContrôleTraduisible() = default;

    virtual std::string nom() const = 0;
    virtual GenreContrôle genre() const = 0;
    /// The caption, or the text of a text box.
    virtual std::string texte() const = 0;
    virtual void changerTexte(const std::string& texte) = 0;
    virtual void changerInfoBulle(const std::string&) {}

    /// The keys of a toolbar's buttons, in order.
    virtual std::vector<std::string> clésBoutons() const { return {}; }
    virtual void changerInfoBulleBouton(std::size_t, const std::string&) {}

    /// The keys of a list view's column headers, in order.
    virtual std::vector<std::string> clésColonnes() const { return {}; }
    virtual void changerTitreColonne(std::size_t, const std::string&) {}
};

}  // namespace vantorelle
