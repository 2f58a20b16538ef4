#include "cli/MessagesAnalyse.h"

#include <array>
#include <regex>
#include <utility>

namespace vantorelle::cli {

std::string messageEnFrançais(const std::string& message) {
    // The parser's own sentences, most specific first.
    static const std::array<std::pair<std::regex, const char*>, 13> traductions{{
        {std::regex("^A subcommand is required$"), "une commande est obligatoire : figures, scan ou demo"},
        {std::regex("^(.*) is required$"), "$1 est obligatoire"},
        {std::regex("^The following arguments? (?:was|were) not expected: (.*)$"), "argument inattendu : $1"},
        {std::regex("^(.*): Value (.*) not in range (.*) to (.*)$"), "$1 : $2 n'est pas entre $3 et $4"},
        {std::regex("^(.*): (.*) not in (\\{.*\\})$"), "$1 : « $2 » n'est pas parmi $3"},
        {std::regex("^Could not convert: (.*) = (.*)$"), "$1 : « $2 » n'est pas une valeur possible"},
        {std::regex("^The value (.*) is not an allowed value for (.*)$"), "$2 : « $1 » n'est pas une valeur possible"},
        {std::regex("^(.*): [0-9]+ required .* missing$"), "$1 : la valeur manque"},
        {std::regex("^Expected (?:exactly|at least) ([0-9]+) arguments to (.*), got ([0-9]+)$"),
         "$2 attend $1 valeur(s), et en a reçu $3"},
        {std::regex("^(.*): too many inputs for a flag$"), "$1 ne prend pas de valeur"},
        {std::regex("^(.*): Should be true/false or a number$"), "$1 : vrai, faux ou un nombre"},
        {std::regex("^(.*) requires (.*)$"), "$1 demande aussi $2"},
        {std::regex("^(.*) excludes (.*)$"), "$1 exclut $2"},
    }};
    for (const auto& [motif, traduction] : traductions)
        if (std::regex_match(message, motif)) return std::regex_replace(message, motif, traduction);
    return message;
}

}  // namespace vantorelle::cli
