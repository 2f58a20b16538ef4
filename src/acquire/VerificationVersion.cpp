#include "acquire/VerificationVersion.h"

namespace vantorelle {

std::string AdresseFichierVersion(std::string_view site) {
    if (const std::size_t protocole = site.find("//"); protocole != std::string_view::npos)
        site = site.substr(0, site.find('/', protocole + 2));
    return std::string(site) + "/version.txt";
}

std::optional<MiseÀJour> MiseÀJourOfferte(const Arr<std::string>& lignes, std::string_view versionCourante) {
    if (lignes.Count() < 3 || lignes.Item(1) <= versionCourante) return std::nullopt;
    MiseÀJour offre{lignes.Item(1), lignes.Item(2), ""};
    for (std::int32_t i = 3; i <= lignes.Count(); ++i) offre.annonce += lignes.Item(i) + "\r\n";
    return offre;
}

}  // namespace vantorelle
