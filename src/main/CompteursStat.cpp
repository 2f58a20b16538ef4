#include "main/CompteursStat.h"

#include "store/Erreur.h"

namespace vantorelle {

void CompteursStat::horsDuTableau() { throw ErreurIndice(); }

}  // namespace vantorelle
