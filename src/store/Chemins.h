#pragma once
#include <string>
#include <string_view>

namespace vantorelle {

/// The text after the last "/"; empty when the path has no "/" or ends with one.
std::string NomCourtDe(std::string_view chemin);

/// The text up to and including the last "/"; empty when the path has no "/" or ends with one.
std::string RépertoireDe(std::string_view chemin);

/// The text before the first ":"; empty when there is no ":" or it is the first character.
std::string DisqueDe(std::string_view chemin);

/// The name when the directory is empty; else the directory, a "/" unless it already ends with one, and the
/// name.
std::string Combiner(std::string_view répertoire, std::string_view nom);

/// A path as stored in a setting, with every "\" read as "/".
std::string CheminDepuisParamètre(std::string_view valeur);

}  // namespace vantorelle
