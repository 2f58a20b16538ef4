#pragma once
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

/// The text formats of a table.
enum class FormatTable { Tsv, Csv, Json };

/// A table written row by row as UTF-8 text, without a byte-order mark:
/// - TSV: the cells separated by TABs, LF line ends, as they stand;
/// - CSV: the cells separated by commas, CR LF line ends, a cell quoted when it holds a comma, a quote, a CR or
///   an LF, its quotes doubled;
/// - JSON: one object per row and per line, each cell a string under its column's key; no header line.
/// The text goes to the destination in pieces of some 64 KB, so that a table of any size is never held whole.
class ÉcritureTable {
public:
    using Destination = std::function<void(std::string_view)>;

    /// `clés` names the columns in JSON and sets their number.
    ÉcritureTable(FormatTable format, std::vector<std::string> clés, Destination destination);

    /// The header line of the captions, one per column (none in JSON).
    void EnTête(std::span<const std::string_view> titres);
    /// A row of one cell per column.
    void Ligne(std::span<const std::string_view> cellules);
    /// Hands the text still held to the destination.
    void Vider();

private:
    void cellule(std::string_view texte);
    void finDeLigne();

    FormatTable format_;
    std::vector<std::string> clés_;
    Destination destination_;
    std::string tampon_;
};

}  // namespace vantorelle
