#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Emplacements.h"

namespace vantorelle {

/// Sections of the program's settings.
inline constexpr std::string_view SectionBourse = "BourseCollection";
inline constexpr std::string_view SectionChemins = "Path";

/// Keys of the program's settings, spelled as stored.
namespace Clés {
inline constexpr std::string_view Tolérance = "Tolérance";
inline constexpr std::string_view Période = "Période";
inline constexpr std::string_view Période2 = "Période2";
inline constexpr std::string_view TailleMarubozu = "TailleMarubozu";
inline constexpr std::string_view Pondération = "Pondération";
inline constexpr std::string_view PathPlotanex = "PathPlotanex";
inline constexpr std::string_view Editeur = "Editeur";
inline constexpr std::string_view AvecFormules = "AvecFormules";
inline constexpr std::string_view AfficherDate = "AfficherDate";
inline constexpr std::string_view Telechargement = "Telechargement";
}  // namespace Clés

/// One option of the program: where it is stored and its two defaults.
struct Option {
    std::string_view section;
    std::string_view clé;
    /// Written at start-up when the key is missing or empty; nothing for the options start-up leaves alone.
    std::optional<std::string> défautDémarrage;
    /// What the options dialog's default button shows; nothing when it leaves the control as it is.
    std::optional<std::string> défautDialogue;
};

/// Every option of the program, in the order of the options table. The data root's defaults are the user's
/// program directory followed by "/"; the editor's is the desktop's opener.
std::vector<Option> TableOptions(const Emplacements& emplacements);

}  // namespace vantorelle
