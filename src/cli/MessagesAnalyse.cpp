#include "cli/MessagesAnalyse.h"

#include <array>
#include <regex>
#include <utility>
#include <vector>

namespace vantorelle::cli {

namespace {

/// A word the parser could not place: an option, an argument after a command, or else a command.
std::string motInattendu(const CLI::App& application, const std::string& mot) {
    if (mot.size() > 1 && mot.front() == '-') return "option inconnue : « " + mot.substr(0, mot.find('=')) + " »";
    if (!application.get_subcommands().empty()) return "argument inattendu : « " + mot + " »";
    std::string commandes;
    for (const CLI::App* commande : application.get_subcommands({}))
        commandes += (commandes.empty() ? "" : ", ") + commande->get_name();
    return "commande inconnue : « " + mot + " » (commandes : " + commandes + ")";
}

/// The French text of a parse error given in English by the parser; a message it does not know stays as it is.
std::string messageEnFrançais(const std::string& message) {
    // The parser's own sentences, most specific first; the checks of our own options give theirs in French.
    static const std::array<std::pair<std::regex, const char*>, 9> traductions{{
        {std::regex("^A subcommand is required$"), "une commande est obligatoire : figures, scan, demo ou catalogue"},
        {std::regex("^(.*) is required$"), "$1 est obligatoire"},
        {std::regex("^(.*) excludes (.*)$"), "$1 exclut $2"},
        {std::regex("^(.*): Value (.*) not in range (.*) to (.*)$"), "$1 : « $2 » n'est pas un entier de $3 à $4"},
        {std::regex("^(.*): (.*) not in (\\{.*\\})$"), "$1 : « $2 » n'est pas parmi $3"},
        {std::regex("^Could not convert: (.*) = (.*)$"), "$1 : « $2 » n'est pas une valeur possible"},
        {std::regex("^(.*): [0-9]+ required .* missing$"), "$1 : la valeur manque"},
        {std::regex("^(.*): At Most 1 required but received ([0-9]+)$"), "$1 : une seule valeur permise, $2 données"},
        {std::regex("^([^:]*): (« .*)$"), "$1 : $2"},
    }};
    for (const auto& [motif, traduction] : traductions)
        if (std::regex_match(message, motif)) return std::regex_replace(message, motif, traduction);
    return message;
}

}  // namespace

std::string messageDÉchec(const CLI::App* application, const CLI::Error& erreur) {
    std::vector<std::string> restants = application->remaining(true);
    std::erase(restants, "--");  // where the options end, kept by CLI11 for a command it would pass them on to
    return application->get_name() + " : " +
           (restants.empty() ? messageEnFrançais(erreur.what()) : motInattendu(*application, restants.front())) +
           "\n";
}

}  // namespace vantorelle::cli
