#pragma once
#include <cstdint>
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

/// A group file as read: its securities in file order, each with its line number, and the non-blank lines
/// that are not a code and a name (not exactly two tab-separated fields, or an empty code; the latter are
/// kept as securities all the same).
struct GroupeLu {
    std::vector<TitreGroupe> titres;
    std::vector<std::int64_t> lignes;  // the line of each title, from 1
    std::int64_t lignesDouteuses = 0;
    std::int64_t premièreDouteuse = 0;
};

/// The securities of a group file in file order: its lines of exactly two tab-separated fields, in
/// Windows-1252 (in UTF-8 after a UTF-8 byte-order mark, when valid). Throws ErreurFichier naming the file
/// when it cannot be read.
GroupeLu LireGroupeEnDétail(const std::string& chemin);
std::vector<TitreGroupe> LireGroupe(const std::string& chemin);

}  // namespace vantorelle
