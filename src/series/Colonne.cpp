#include "series/Colonne.h"

#include "series/Fonction.h"
#include "store/Erreur.h"

namespace vantorelle {

Colonne::Colonne(const Fonction& série) : valeurs_(série.Data()->valeurs()) {
    const auto n = static_cast<std::size_t>(série.Longueur());
    if (valeurs_.size() < n) throw ErreurIndice();
    nombres_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Valeur& v = valeurs_[i];
        switch (v.genre()) {
            case Genre::Simple:
                nombres_[i] = std::get<float>(v.contenu());
                break;
            case Genre::Double:
                nombres_[i] = std::get<double>(v.contenu());
                break;
            case Genre::Vide:
                nombres_[i] = 0.0;
                break;
            case Genre::Monnaie:
                avecMonnaie_ = true;
                nombres_[i] = v.enDouble();
                break;
            default:
                nombres_[i] = v.enDouble();
                break;
        }
    }
}

}  // namespace vantorelle
