#pragma once
#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

#include "store/EcritureAtomique.h"
#include "store/EcritureTable.h"

namespace vantorelle::cli {

/// The flags of a command's table: its format, and the file that takes the place of standard output.
struct OptionsSortie {
    std::string format = "tsv";
    std::string fichier;
};

/// Adds --format and -o to the command.
void ajouterOptionsSortie(CLI::App& commande, OptionsSortie& options);

/// Where a command writes its table: standard output, or the file of -o, which gets exactly what standard output
/// would. The file is written to a temporary file put in its place by `Terminer`: after a failure it is left as it
/// was, or not made.
class SortieCommande {
public:
    /// `clés` names the table's columns in JSON. Throws ErreurFichier naming the file when its temporary file cannot
    /// be made (a read-only file, a missing folder).
    SortieCommande(const OptionsSortie& options, std::vector<std::string> clés);
    SortieCommande(const SortieCommande&) = delete;
    SortieCommande& operator=(const SortieCommande&) = delete;

    ÉcritureTable& Table() { return table_; }
    /// After a success: the whole table on standard output, or in the file's place.
    void Terminer();
    /// After a failure: what the table holds on standard output; a file is left as it was.
    void Abandonner();

private:
    std::unique_ptr<ÉcritureAtomique> fichier_;
    ÉcritureTable table_;
};

/// The command's output as the flags say, or nullptr after the message on standard error, headed by `nomCommande`.
std::unique_ptr<SortieCommande> ouvrirSortie(const std::string& nomCommande, const OptionsSortie& options,
                                             std::vector<std::string> clés);

}  // namespace vantorelle::cli
