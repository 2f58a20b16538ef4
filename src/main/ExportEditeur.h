#pragma once
#include <string>
#include <string_view>

#include "main/TableauDeBord.h"

namespace vantorelle {

/// The editor export: writes "Vantorelle.txt" in the data root, the column captions then one line per row
/// (its text and every sub-item it holds), TAB-separated, and returns the file's path.
std::string exporterPourÉditeur(const TableauDeBord& tableau, std::string_view racine);

}  // namespace vantorelle
