#pragma once
#include <filesystem>
#include <string_view>

namespace vantorelle {

/// Replaces the file's content by `octets`: they are written to a temporary file in the same folder, which is
/// then renamed over the file, so the file is never seen half written. Throws ErreurFichier naming the file.
void écrireAtomiquement(const std::filesystem::path& fichier, std::string_view octets);

}  // namespace vantorelle
