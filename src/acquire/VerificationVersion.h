#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "store/Arr.h"

namespace vantorelle {

/// A newer version that the product's site offers.
struct MiseÀJour {
    std::string version;   ///< as the About box writes it, "Version x.y.z"
    std::string adresse;   ///< where the new version is found
    std::string annonce;   ///< what the site says of it, each line followed by CR LF
};

/// The version file's address: the site address cut before the first "/" after its "//" (whole when it has
/// no "//" or no such "/"), then "/version.txt".
std::string AdresseFichierVersion(std::string_view site);

/// The update that the version file's lines offer to the program of version `versionCourante` ("Version
/// x.y.z"): only when the file has at least three lines and its first is greater in plain text order, so
/// "Version 2.10.0" is not newer than "Version 2.5.0". Line 2 is the address, lines 3 on the announcement.
std::optional<MiseÀJour> MiseÀJourOfferte(const Arr<std::string>& lignes, std::string_view versionCourante);

}  // namespace vantorelle
