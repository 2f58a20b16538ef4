#include "analysis/EvaluationFormules.h"

#include "series/CalculFormule.h"
#include "series/Fonctions.h"

namespace vantorelle {

namespace {

/// Keeps the security's series in the global collection for its lifetime.
class Publication {
public:
    explicit Publication(BourseCollection& bc) : bc_(bc) { bc_.AjouterAuxFonctions(); }
    ~Publication() { bc_.SupprimerDesFonctions(); }
    Publication(const Publication&) = delete;
    Publication& operator=(const Publication&) = delete;

private:
    BourseCollection& bc_;
};

}  // namespace

void évaluerLesFormules(BourseCollection& bc, std::int32_t nombreDeFormules) {
    if (bc.Nombre < 1) return;
    const Publication publication(bc);
    CalculFormule::calculerFormules(Fonctions::globale(), nombreDeFormules, bc.Nombre);
}

}  // namespace vantorelle
