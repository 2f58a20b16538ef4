#include "analysis/BourseCollection.h"
#include "analysis/Catalogue.h"

#include <cmath>

#include "store/Erreur.h"

namespace vantorelle {

std::shared_ptr<std::vector<std::string>> BourseCollection::Constantes() const { return Catalogue::constantes(); }

std::string BourseCollection::ChandelierToString(std::int32_t i) const { return std::string(nomDuChandelier(i)); }

std::string_view BourseCollection::nomDuChandelier(std::int32_t i) const {
    const Valeur& code = Chandeliers.Item(i);
    if (const std::int32_t* entier = std::get_if<std::int32_t>(&code.contenu())) return Catalogue::nom(*entier);
    // Codes are compared as numbers: 100.0 is a code, 100.5 or a word is none.
    double nombre = 0;
    try {
        nombre = code.enDouble();
    } catch (const ErreurConversion&) {
        return Catalogue::NonReportée;
    }
    if (nombre != std::floor(nombre) || std::fabs(nombre) > 1e9) return Catalogue::NonReportée;
    return Catalogue::nom(static_cast<std::int32_t>(nombre));
}

std::int32_t BourseCollection::TypeChandelier(std::int32_t i) const {
    const Valeur& code = Chandeliers.Item(i);
    if (const std::int32_t* entier = std::get_if<std::int32_t>(&code.contenu())) return Catalogue::famille(*entier);
    return Catalogue::famille(code.texte());
}

}  // namespace vantorelle
