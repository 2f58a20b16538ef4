#include "main/CompteursStat.h"

#include "store/Erreur.h"

namespace vantorelle {

std::size_t CompteursStat::indice(int r, int c) {
    if (r < 1 || r > lignes || c < 1 || c > colonnes) throw ErreurIndice();
    return static_cast<std::size_t>((r - 1) * colonnes + (c - 1));
}

}  // namespace vantorelle
