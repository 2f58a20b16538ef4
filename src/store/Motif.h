#pragma once
#include <string_view>

namespace vantorelle {

/// True when `nom` matches the directory-search pattern `motif`: "*" stands for any text, "?" for one
/// character, every other character for itself. Both are UTF-8 and must already be folded (plierCasse) for
/// a match without regard to case.
bool correspondAuMotif(std::string_view nom, std::string_view motif);

}  // namespace vantorelle
