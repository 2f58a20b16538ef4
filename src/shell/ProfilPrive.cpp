#include "shell/ProfilPrive.h"

#include <optional>
#include <vector>

#include "shell/CacheFichiers.h"
#include "store/Casse.h"
#include "store/Encodage.h"

namespace vantorelle {

namespace {

bool estBlanc(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n'; }

std::string_view sansBlancs(std::string_view texte) {
    while (!texte.empty() && estBlanc(texte.front())) texte.remove_prefix(1);
    while (!texte.empty() && estBlanc(texte.back())) texte.remove_suffix(1);
    return texte;
}

/// One line of the file: where it starts, where its text ends and where the next line starts.
struct Ligne {
    std::size_t début, finTexte, fin;
    std::string_view texte;
};

std::vector<Ligne> lignes(std::string_view octets) {
    std::vector<Ligne> résultat;
    std::size_t début = 0;
    while (début < octets.size()) {
        std::size_t finTexte = octets.find_first_of("\r\n", début);
        if (finTexte == std::string_view::npos) finTexte = octets.size();
        std::size_t fin = finTexte;
        if (fin < octets.size() && octets[fin] == '\r') ++fin;
        if (fin < octets.size() && octets[fin] == '\n') ++fin;
        résultat.push_back({début, finTexte, fin, octets.substr(début, finTexte - début)});
        début = fin;
    }
    return résultat;
}

/// The folded name of a section header line, or nothing when the line is not one.
std::optional<std::string> nomDeSection(std::string_view ligne) {
    ligne = sansBlancs(ligne);
    const auto fermeture = ligne.rfind(']');
    if (!ligne.starts_with('[') || fermeture == std::string_view::npos) return std::nullopt;
    return plierCasse1252(sansBlancs(ligne.substr(1, fermeture - 1)));
}

/// The key of a line, as written (trimmed), and its value when it has an "=".
struct Entrée {
    std::string_view clé;
    std::optional<std::string_view> valeur;
};

Entrée entréeDe(std::string_view ligne) {
    const auto égal = ligne.find('=');
    if (égal == std::string_view::npos) return {sansBlancs(ligne), std::nullopt};
    return {sansBlancs(ligne.substr(0, égal)), sansBlancs(ligne.substr(égal + 1))};
}

std::string_view sansGuillemets(std::string_view valeur) {
    if (valeur.size() >= 2 && (valeur.front() == '"' || valeur.front() == '\'') && valeur.back() == valeur.front())
        return valeur.substr(1, valeur.size() - 2);
    return valeur;
}

}  // namespace

ProfilPrivé::ProfilPrivé(std::string octets) : octets_(std::move(octets)) {
    Section* courante = nullptr;
    for (const Ligne& ligne : lignes(octets_)) {
        if (auto nom = nomDeSection(ligne.texte)) {
            const auto [position, nouvelle] = sections_.try_emplace(std::move(*nom));
            // A later section of the same name is never looked into.
            courante = nouvelle ? &position->second : nullptr;
            continue;
        }
        const Entrée entrée = entréeDe(ligne.texte);
        if (courante == nullptr || (entrée.clé.empty() && !entrée.valeur)) continue;
        courante->try_emplace(plierCasse1252(entrée.clé), sansGuillemets(entrée.valeur.value_or("")));
    }
}

std::shared_ptr<const ProfilPrivé> ProfilPrivé::charger(const std::string& chemin) {
    static CacheFichiers<ProfilPrivé> cache;
    return cache.contenu(chemin);
}

std::string ProfilPrivé::lire(std::string_view section, std::string_view clé) const {
    const auto trouvéeSection = sections_.find(plierCasse1252(versWindows1252(section)));
    if (trouvéeSection == sections_.end()) return {};
    const auto trouvée = trouvéeSection->second.find(plierCasse1252(versWindows1252(clé)));
    if (trouvée == trouvéeSection->second.end()) return {};
    return depuisWindows1252(std::string_view(trouvée->second).substr(0, longueurMaximale));
}

std::string ProfilPrivé::avecValeur(std::string_view section, std::string_view clé, std::string_view valeur) const {
    const std::string sectionPliée = plierCasse1252(versWindows1252(section));
    const std::string clé1252 = versWindows1252(clé);
    const std::string cléPliée = plierCasse1252(clé1252);
    const std::string valeur1252 = versWindows1252(valeur);

    const std::vector<Ligne> toutes = lignes(octets_);
    bool dansSection = false;
    std::optional<std::size_t> aprèsDernièreEntrée;  // where a new key goes: after the section's last key line
    for (const Ligne& ligne : toutes) {
        if (auto nom = nomDeSection(ligne.texte)) {
            // Only the first section of the name: the next header ends it.
            if (dansSection) break;
            dansSection = *nom == sectionPliée;
            if (dansSection) aprèsDernièreEntrée = ligne.fin;
            continue;
        }
        if (!dansSection || sansBlancs(ligne.texte).empty()) continue;
        const Entrée entrée = entréeDe(ligne.texte);
        if (plierCasse1252(entrée.clé) == cléPliée) {
            std::string résultat = octets_.substr(0, ligne.début);
            résultat.append(entrée.clé).append("=").append(valeur1252);
            résultat.append(octets_, ligne.finTexte);
            return résultat;
        }
        aprèsDernièreEntrée = ligne.fin;
    }

    std::string résultat;
    std::size_t insertion = aprèsDernièreEntrée.value_or(octets_.size());
    résultat = octets_.substr(0, insertion);
    if (!résultat.empty() && !résultat.ends_with('\n') && !résultat.ends_with('\r')) résultat += "\r\n";
    if (!aprèsDernièreEntrée) résultat.append("[").append(versWindows1252(section)).append("]\r\n");
    résultat.append(clé1252).append("=").append(valeur1252).append("\r\n");
    résultat.append(octets_, insertion);
    return résultat;
}

}  // namespace vantorelle
