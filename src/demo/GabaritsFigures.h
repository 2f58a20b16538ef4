#pragma once
#include <vector>

namespace vantorelle {

/// The run of candles that leads to a planted figure: a steady rise (rising trend at the figure), a steady
/// fall (falling trend), or a flat stretch (no trend).
enum class Contexte { Hausse, Baisse, Plat };

/// A candle of a figure: open, high, low and close as levels where 100 is the last close before the figure.
struct BougieRelative {
    double o, h, l, c;
};

/// The candles of one figure of the catalogue, drawn so that the recognition with the default options finds
/// the figure on the last one (four of them need a tolerance of 0, as their figures do).
struct GabaritFigure {
    int code;
    Contexte contexte;
    std::vector<BougieRelative> bougies;
};

/// One template for each of the 52 figures, in catalogue order.
const std::vector<GabaritFigure>& gabaritsFigures();

}  // namespace vantorelle
