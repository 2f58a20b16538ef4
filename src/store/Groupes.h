#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

/// One security of a group file: its code and its name.
struct TitreGroupe {
    std::string code;
    std::string nom;
    friend bool operator==(const TitreGroupe&, const TitreGroupe&) = default;
};

/// The group directory under the data root, "base/groupe/", spelled as on disk.
std::string RépertoireGroupes(std::string_view racine);

/// The path of a group's file ("base/groupe/", the group, ".txt" under the data root), spelled as on disk.
std::string FichierGroupe(std::string_view racine, std::string_view groupe);

/// The groups of the data root: the names of its "*.txt" group files in name order, without their last four
/// characters. Empty when the directory is missing.
std::vector<std::string> ListerGroupes(std::string_view racine);

/// The securities of a group file in file order: its lines of exactly two tab-separated fields. Throws
/// ErreurFichier naming the file when it cannot be read.
std::vector<TitreGroupe> LireGroupe(const std::string& chemin);

}  // namespace vantorelle
