#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

/// One candlestick figure: its code, its display name, how many candles it spans and its weight.
struct Figure {
    std::int32_t code;
    std::string_view nom;
    std::int16_t bougiesMin;
    std::int16_t bougiesMax;
    std::int16_t poids;
};

/// The catalogue of the 52 figures; every other place reads codes, names and weights from here.
class Catalogue {
public:
    /// The figures in ascending code order.
    static std::span<const Figure> figures();
    /// The figure of the code, or nullptr when the code is not a figure (400, 109, ...).
    static const Figure* trouve(std::int32_t code);
    /// The display name; "Figure non reportée" for a code that is not a figure.
    static std::string_view nom(std::int32_t code);
    /// The weight; 0 for a code that is not a figure.
    static std::int16_t poids(std::int32_t code);
    /// The family from the first character of a code's text: '2' bullish 1, '1' bearish 2, '3' neutral 3,
    /// anything else 4.
    static std::int32_t famille(std::string_view texteDuCode);
    static std::int32_t famille(std::int32_t code);

    /// A new list of the 53 named constants handed to the formulas, "NAME=VALUE" each.
    static std::shared_ptr<std::vector<std::string>> constantes();

    /// Codes that are plain candles rather than figures, and the code of no figure.
    static constexpr std::int32_t BougieNoire = 100;
    static constexpr std::int32_t BougieBlanche = 200;
    static constexpr std::int32_t Aucune = 400;
    /// The families.
    static constexpr std::int32_t Haussière = 1;
    static constexpr std::int32_t Baissière = 2;
    static constexpr std::int32_t Neutre = 3;
    static constexpr std::int32_t Indéterminée = 4;
    static constexpr std::string_view NonReportée = "Figure non reportée";
};

}  // namespace vantorelle
