#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

class ContenuRépertoire;

/// Filters of ListerFichiers: normal files, hidden files too (names starting with "."), subdirectories.
inline constexpr std::int32_t AttributNormal = 0;
inline constexpr std::int32_t AttributCaché = 2;
inline constexpr std::int32_t AttributRépertoire = 16;

/// The full paths of the directory's entries, in name order (byte order). Filter 16 gives its
/// subdirectories; any other filter gives its files (hidden ones only when the filter holds 2), plus its
/// subdirectories when the filter holds 16. With `récursif`, a subdirectory found is listed into the same
/// result instead of being added. Directory names are matched without regard to case; a missing directory
/// gives an empty list.
std::vector<std::string> ListerFichiers(std::string_view répertoire, std::int32_t attributs, bool récursif);

/// The names of the directory's normal files that match the pattern ("*", "?") without regard to case, in
/// name order; empty when the directory is missing.
std::vector<std::string> ChercherFichiers(std::string_view répertoire, std::string_view motif);
/// The same in a listing already read.
std::vector<std::string> ChercherFichiers(const ContenuRépertoire& contenu, std::string_view motif);

/// True when the file's length can be read.
bool FichierExiste(std::string_view chemin);

/// True when the path names a directory (spelled as on disk).
bool RépertoireExiste(std::string_view chemin);

/// Makes the path the current directory; false when that fails.
bool ChangerRépertoire(std::string_view chemin);

/// Makes the directory current, given with or without a final "/"; throws ErreurFichier naming it on failure.
void AllerAuRépertoire(std::string_view répertoire);

/// Every line of every source, in order, each followed by CR LF. When a source cannot be read, `enÉchec` is
/// given the lines gathered before it, then the ErreurFichier naming the source is thrown.
std::string lignesDesFichiers(const std::vector<std::string>& sources,
                              const std::function<void(std::string_view)>& enÉchec);

/// Creates or replaces the destination with every line of every source, in order, each followed by CR LF.
/// A source that cannot be read throws ErreurFichier naming it, after the lines gathered before it were
/// written.
void ConcaténerFichiers(const std::string& destination, const std::vector<std::string>& sources);

/// The path as it is on disk: a component that does not exist as written becomes the first entry of its
/// directory, in name order, equal to it without regard to case; from the first component that nothing
/// matches, the rest stays as written.
std::string CheminSurDisque(std::string_view chemin);

}  // namespace vantorelle
