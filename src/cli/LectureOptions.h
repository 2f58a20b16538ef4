#pragma once
#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "analysis/Jour.h"
#include "main/ParametresScan.h"

namespace vantorelle::cli {

/// The dates of --du and --au; each absent when its flag was not given.
struct Fenêtre {
    std::optional<Jour> du, au;
};

/// The --du and --au texts read as eight digits forming a date (an empty text: no date), or nullopt after
/// the message on standard error, headed by `nomCommande`.
std::optional<Fenêtre> lireFenêtre(const std::string& nomCommande, const std::string& du, const std::string& au);

/// True when du is not after au; otherwise false after the message on standard error.
bool datesDansLOrdre(const std::string& nomCommande, Jour du, Jour au);

/// The candles of a --periode value: "jour", "semaine" or "mois".
std::optional<PériodeBougie> lirePériode(const std::string& texte);

/// The check of a --config value: a folder, or a file that exists and cannot be read, is refused with the path
/// named; a missing file is fine, the program writes it.
CLI::Validator fichierParamètresLisible();

}  // namespace vantorelle::cli
