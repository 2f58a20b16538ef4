#include "analysis/EvaluationFormules.h"

#include "series/CalculFormule.h"
#include "series/Fonctions.h"

namespace vantorelle {

namespace {

/// Keeps the security's series in the collection for its lifetime.
class Publication {
public:
    Publication(BourseCollection& bc, Fonctions& fonctions) : bc_(bc), fonctions_(fonctions) {
        bc_.AjouterAuxFonctions(fonctions_);
    }
    ~Publication() { bc_.SupprimerDesFonctions(fonctions_); }
    Publication(const Publication&) = delete;
    Publication& operator=(const Publication&) = delete;

private:
    BourseCollection& bc_;
    Fonctions& fonctions_;
};

}  // namespace

void évaluerLesFormules(BourseCollection& bc, Fonctions& formules, std::int32_t nombreDeFormules) {
    if (bc.Nombre < 1) return;
    const Publication publication(bc, formules);
    CalculFormule::calculerFormules(formules, nombreDeFormules, bc.Nombre);
}

}  // namespace vantorelle
