#pragma once
#include <CLI/CLI.hpp>

#include <string>

namespace vantorelle::cli {

/// CLI11's help in French, its description column aligned on the characters shown: CLI11 pads by bytes, so a
/// name with an accent ("PÉRIODE") would push its description one column left per accented letter.
class FormatAide : public CLI::Formatter {
public:
    FormatAide();

    std::string make_option(const CLI::Option* option, bool positionnel) const override;
    std::string make_subcommand(const CLI::App* commande) const override;

private:
    /// The name, padded to the column width (or on a line of its own when it is as wide), then the description,
    /// its further lines indented to the column.
    std::string ligne(const std::string& nom, const std::string& description) const;
};

}  // namespace vantorelle::cli
