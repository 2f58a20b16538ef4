#include "analysis/Catalogue.h"

#include <array>

namespace vantorelle {

namespace {

constexpr Figure figures_[] = {
    {100, "Bougie noire", 1, 1, 0},
    {101, "Grand noir", 1, 1, 1},
    {102, "Harami baissier", 2, 2, 1},
    {103, "Sommet en pinces", 2, 5, 2},
    {104, "Harami baissier en croix", 2, 2, 3},
    {105, "Gap descendant", 2, 2, 2},
    {106, "Ligne de séparation baissière", 2, 2, 3},
    {107, "Pendu", 1, 1, 2},
    {108, "Etoile filante", 1, 1, 2},
    {111, "Doji pierre tombale", 1, 1, 4},
    {112, "Passant baissier", 1, 1, 3},
    {113, "Couverture en nuage noir", 2, 2, 3},
    {114, "Avalement baissier", 2, 2, 3},
    {115, "Lignes b. c. à c. gap descendant", 3, 3, 4},
    {116, "Tasuki gap descendant", 3, 3, 4},
    {117, "Etoile doji baissière", 2, 2, 2},
    {118, "Etoile du soir", 3, 3, 4},
    {119, "Etoile doji du soir", 3, 3, 4},
    {120, "Bébé abandonné du soir", 3, 3, 4},
    {121, "Trois corbeaux noirs", 3, 3, 4},
    {122, "Gap ascendant deux corbeaux", 3, 3, 4},
    {123, "8 à 10 nouveaux hauts", 9, 9, 4},
    {125, "Trois méthodes baissière", 4, 12, 4},
    {126, "Sommet en tours", 5, 10, 4},
    {200, "Bougie blanche", 1, 1, 0},
    {201, "Grand blanc", 1, 1, 1},
    {202, "Harami haussier", 2, 2, 1},
    {203, "Creux en pinces", 2, 5, 2},
    {204, "Harami haussier en croix", 2, 2, 3},
    {205, "Gap ascendant", 2, 2, 2},
    {206, "Ligne de séparation haussière", 2, 2, 3},
    {207, "Marteau inversé", 1, 1, 2},
    {208, "Marteau", 1, 1, 2},
    {209, "Marteau Takuri Inversé", 1, 1, 2},
    {210, "Marteau Takuri", 1, 1, 2},
    {212, "Passant haussier", 1, 1, 3},
    {213, "Pénétrante", 2, 2, 3},
    {214, "Avalement haussier", 2, 2, 3},
    {215, "Lignes b. c. à c. gap ascendant", 3, 3, 4},
    {216, "Tasuki gap ascendant", 3, 3, 4},
    {217, "Etoile doji haussière", 2, 2, 2},
    {218, "Etoile du matin", 3, 3, 4},
    {219, "Etoile doji du matin", 3, 3, 4},
    {220, "Bébé abandonné du matin", 3, 3, 4},
    {221, "Trois soldats blancs", 3, 3, 4},
    {224, "Structure en dessous de plat", 5, 5, 4},
    {225, "Trois méthodes haussière", 4, 12, 4},
    {226, "Creux en tours", 5, 10, 4},
    {300, "Doji", 1, 1, 1},
    {301, "Doji longues jambes", 1, 1, 3},
    {302, "Doji porteur d'eau", 1, 1, 3},
    {303, "Hautes vagues", 5, 5, 4},
};

constexpr std::int32_t premierCode = 100;
constexpr std::int32_t dernierCode = 303;

// Position + 1 in figures_ of each code from premierCode to dernierCode, 0 for a code that is not a figure.
constexpr auto positions_ = [] {
    std::array<std::uint8_t, dernierCode - premierCode + 1> positions{};
    for (std::size_t k = 0; k < std::size(figures_); ++k)
        positions[static_cast<std::size_t>(figures_[k].code - premierCode)] = static_cast<std::uint8_t>(k + 1);
    return positions;
}();

}  // namespace

std::span<const Figure> Catalogue::figures() { return figures_; }

const Figure* Catalogue::trouve(std::int32_t code) {
    if (code < premierCode || code > dernierCode) return nullptr;
    const std::uint8_t position = positions_[static_cast<std::size_t>(code - premierCode)];
    return position == 0 ? nullptr : &figures_[position - 1];
}

std::string_view Catalogue::nom(std::int32_t code) {
    const Figure* figure = trouve(code);
    return figure ? figure->nom : NonReportée;
}

std::int16_t Catalogue::poids(std::int32_t code) {
    const Figure* figure = trouve(code);
    return figure ? figure->poids : std::int16_t{0};
}

std::int32_t Catalogue::famille(std::string_view texteDuCode) {
    switch (texteDuCode.empty() ? '\0' : texteDuCode.front()) {
        case '2': return 1;
        case '1': return 2;
        case '3': return 3;
        default: return 4;
    }
}

std::int32_t Catalogue::famille(std::int32_t code) {
    if (code < 0) return 4;
    while (code >= 10) code /= 10;
    const char chiffre = static_cast<char>('0' + code);
    return famille(std::string_view(&chiffre, 1));
}

std::shared_ptr<std::vector<std::string>> Catalogue::constantes() {
    // The formulas' own list: its numbers are not the catalogue's codes and must stay as they are.
    return std::make_shared<std::vector<std::string>>(std::vector<std::string>{
        "ChandelierHaussier=1", "ChandelierBaissier=2", "ChandelierNeutre=3", "ChandelierIndéterminé=4",
        "SommetEnTours=123", "3MéthodesBaissière=122", "8a10NouveauxHauts=120", "GapAscendant2Corbeaux=119",
        "3CorbeauxNoirs=118", "BébéAbandonnéDuSoir=117", "EtoileDojiDuSoir=116", "EtoileDuSoir=115",
        "EtoileDojiBaissière=114", "TasukiGapDescendant=113", "AvalementBaissier=112", "CouvertureEnNuageNoir=111",
        "PassantBaissier=110", "DojiPierreTombale=109", "EtoileFilante=108", "Pendu=107",
        "LigneDeSéparationBaissière=106", "GapBaissier=105", "HaramiBaissierEnCroix=104", "CreuxEnPinces=103",
        "HaramiBaissier=102", "MarubozuNoir=101", "BougieNoire=100", "CreuxEnTours=223", "3MéthodesHaussière=222",
        "StructureEnDessousDePlat=221", "3SoldatsBlancs=218", "BébéAbandonnéDuMatin=217", "EtoileDojiDuMatin=216",
        "EtoileDuMatin=215", "EtoileDojiHaussière=214", "TasukiGapAscendant=213", "AvalementHaussier=212",
        "Pénétrante=211", "PassantHaussier=210", "Marteau=208", "MarteauInversé=207",
        "LigneDeSéparationHaussière=206", "GapHaussier=205", "HaramiHaussierEnCroix=204", "SommetEnPinces=203",
        "HaramiHaussier=202", "MarubozuBlanc=201", "BougieBlanche=200", "HauteVague=303", "DojiPorteurDo=302",
        "DojiDragonfly=301", "Doji=300", "Indéterminée=400",
    });
}

}  // namespace vantorelle
