#pragma once
#include <string_view>
#include <vector>

#include "main/TableauDeBord.h"

namespace vantorelle::test {

/// Appends a row given as its texts: the date key, then the sub-items.
inline void ajouter(TableauDeBord& tableau, const std::vector<std::string_view>& cellules) {
    tableau.Ajouter(cellules);
}

}  // namespace vantorelle::test
