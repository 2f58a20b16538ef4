#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace vantorelle {

/// The application title: the settings' application name and the name of the main language file.
inline constexpr std::string_view TitreApplication = "Vantorelle";

/// The settings file: $VANTORELLE_CONFIG, else $XDG_CONFIG_HOME/Vantorelle/Vantorelle.ini (~/.config).
std::filesystem::path FichierParamètres();

/// The user's program directory, made on first use: $VANTORELLE_HOME, else $XDG_DATA_HOME/Vantorelle
/// (~/.local/share). It holds what the program writes beside itself, and is the default data root.
std::filesystem::path RépertoireProgramme();

/// The installed program files: <prefix>/share/vantorelle, or the source tree's data/ when the program runs
/// from a build folder.
std::filesystem::path RépertoireInstallé();

/// A program file to read: the one in the user's program directory when it is there, else the installed one
/// when that is there, else the user's path (where it would be written).
std::filesystem::path FichierProgramme(std::string_view nom);

/// The cache directory, made on first use: $XDG_CACHE_HOME/Vantorelle (~/.cache).
std::filesystem::path RépertoireCache();

/// Where the downloader keeps its transfer file: the cache directory, with a final "/".
std::string RépertoireWindows();

}  // namespace vantorelle
