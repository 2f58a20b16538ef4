#include "acquire/LigneImport.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "store/Avertissement.h"

namespace vantorelle {
namespace {

constexpr const char* NomsDesChamps[] = {"Code", "Date", "Ouverture", "Maximum", "Minimum", "Clôture", "Volume"};

bool estChiffre(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string_view> champsDe(std::string_view ligne) {
    std::vector<std::string_view> champs;
    for (std::size_t début = 0;;) {
        const std::size_t virgule = ligne.find(',', début);
        champs.push_back(ligne.substr(début, virgule - début));
        if (virgule == std::string_view::npos) return champs;
        début = virgule + 1;
    }
}

LigneImport refus(LigneImport ligne, SortLigne sort, const std::vector<std::string_view>& champs, std::size_t champ,
                  std::string_view pourquoi) {
    ligne.sort = sort;
    ligne.raison = "champ " + std::to_string(champ + 1) + " (" + NomsDesChamps[champ] + ") : \"" +
                   champCité(champs[champ]) + "\" " + std::string(pourquoi);
    return ligne;
}

std::string_view raisonLecture(LectureCours lecture) {
    return lecture == LectureCours::Dépassement ? "dépasse la capacité." : "n'est pas un nombre.";
}

}  // namespace

LectureCours lireVolumeEntier(std::string_view champ, std::int64_t& volume) {
    const std::size_t début = champ.find_first_not_of(' ');
    if (début == std::string_view::npos) return LectureCours::PasUnNombre;
    champ = champ.substr(début, champ.find_last_not_of(' ') + 1 - début);
    const bool négatif = champ.front() == '-';
    if (négatif || champ.front() == '+') champ.remove_prefix(1);

    const std::size_t séparateur = std::min(champ.find_first_of(",."), champ.size());
    const std::string_view entier = champ.substr(0, séparateur);
    const std::string_view fraction = champ.substr(std::min(séparateur + 1, champ.size()));
    if ((entier.empty() && fraction.empty()) || !std::all_of(entier.begin(), entier.end(), estChiffre) ||
        !std::all_of(fraction.begin(), fraction.end(), estChiffre))
        return LectureCours::PasUnNombre;

    // The magnitude may reach 2^63 when negative.
    const std::uint64_t limite = std::uint64_t{std::numeric_limits<std::int64_t>::max()} + (négatif ? 1 : 0);
    std::uint64_t n = 0;
    for (char c : entier) {
        const auto chiffre = static_cast<std::uint64_t>(c - '0');
        if (n > (limite - chiffre) / 10) return LectureCours::Dépassement;
        n = n * 10 + chiffre;
    }
    if (!fraction.empty()) {
        const char premier = fraction.front();
        const bool auDelà = fraction.find_first_not_of('0', 1) != std::string_view::npos;
        if (premier > '5' || (premier == '5' && (auDelà || n % 2 == 1))) {
            if (n == limite) return LectureCours::Dépassement;
            ++n;
        }
    }
    volume = négatif ? static_cast<std::int64_t>(0 - n) : static_cast<std::int64_t>(n);
    return LectureCours::Valide;
}

LigneImport LireLigneImport(std::string_view texte, Jour aujourdhui) {
    const std::vector<std::string_view> champs = champsDe(texte);
    LigneImport ligne;
    if (champs.size() < 7 || champs[0].empty()) return ligne;
    ligne.code = champs[0];

    const std::string_view date = champs[1];
    if (date.size() != 6 || !std::all_of(date.begin(), date.end(), estChiffre))
        return refus(std::move(ligne), SortLigne::Rejetée, champs, 1, "n'est pas une date AAMMJJ.");
    ligne.date = Jour::deClé("20" + std::string(date));
    if (ligne.date.estZéro())
        return refus(std::move(ligne), SortLigne::Rejetée, champs, 1, "n'est pas une date valide.");
    // A 1999 line read as 2099 would hold the security's later quotes back for good.
    if (ligne.date > aujourdhui.plus(1))
        return refus(std::move(ligne), SortLigne::Rejetée, champs, 1, "est postérieure à demain.");

    for (std::size_t c = 2; c < 6; ++c) {
        float prix = 0;
        const LectureCours lecture = champs[c].empty() ? LectureCours::PasUnNombre : lirePrix(champs[c], prix);
        if (lecture != LectureCours::Valide)
            return refus(std::move(ligne), SortLigne::Rejetée, champs, c, raisonLecture(lecture));
    }
    std::int64_t volume = 0;
    if (const LectureCours lecture = lireVolumeEntier(champs[6], volume); lecture != LectureCours::Valide)
        return refus(std::move(ligne), SortLigne::Arrêt, champs, 6, raisonLecture(lecture));

    ligne.sort = SortLigne::Écrite;
    ligne.historique.append("20").append(date);
    for (std::size_t c = 2; c < 6; ++c) {
        std::string prix(champs[c]);
        std::replace(prix.begin(), prix.end(), '.', ',');
        ligne.historique.append("\t").append(prix);
    }
    ligne.historique.append("\t").append(std::to_string(volume)).append("\r\n");
    return ligne;
}

}  // namespace vantorelle
