#pragma once
#include <string_view>

#include "main/TableauDeBord.h"

namespace vantorelle {

/// The group save: writes "base/groupe/Vantorelle.txt" under the data root, one line "code TAB name" per
/// dashboard row in the dashboard's order, so that the group "Vantorelle" lists what the last scan found.
/// The file is replaced whole or not at all.
void sauverGroupeVantorelle(const TableauDeBord& tableau, std::string_view racine);

}  // namespace vantorelle
