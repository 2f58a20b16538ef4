#include "shell/Parametres.h"

#include <algorithm>

#include "shell/CacheFichiers.h"
#include "store/Casse.h"
#include "store/Encodage.h"
#include "store/LectureComplete.h"

namespace vantorelle {

namespace {

std::string_view sansBlancs(std::string_view texte) {
    while (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t')) texte.remove_prefix(1);
    while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t')) texte.remove_suffix(1);
    return texte;
}

bool estUtf8(std::string_view texte) {
    for (std::size_t i = 0; i < texte.size();) {
        const auto c = static_cast<unsigned char>(texte[i]);
        const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(texte[i + k]); };
        std::size_t suites = 0;
        if (c >= 0xC2 && c <= 0xDF) suites = 1;
        else if (c >= 0xE0 && c <= 0xEF) suites = 2;
        else if (c >= 0xF0 && c <= 0xF4) suites = 3;
        else if (c >= 0x80) return false;
        if (texte.size() - i <= suites) return false;
        for (std::size_t k = 1; k <= suites; ++k)
            if ((octet(k) & 0xC0) != 0x80) return false;
        // Overlong forms and surrogates.
        if ((c == 0xE0 && octet(1) < 0xA0) || (c == 0xED && octet(1) >= 0xA0) || (c == 0xF0 && octet(1) < 0x90) ||
            (c == 0xF4 && octet(1) >= 0x90))
            return false;
        i += suites + 1;
    }
    return true;
}

}  // namespace

Paramètres::Paramètres(std::string_view octets) {
    if (octets.starts_with("\xEF\xBB\xBF")) octets.remove_prefix(3);
    for (std::string_view brute : lignesDe(octets)) {
        if (brute.ends_with('\r')) brute.remove_suffix(1);
        if (brute.find('\0') != std::string_view::npos) {
            propre_ = false;
            continue;
        }
        std::string ligne(brute);
        if (!estUtf8(ligne)) {
            ligne = depuisWindows1252(ligne);
            propre_ = false;
        }
        const std::string_view utile = sansBlancs(ligne);
        const auto égal = utile.find('=');
        if (utile.empty()) {
            lignes_.push_back({Genre::Blanche, ligne, {}, {}});
        } else if (utile.starts_with('[') && utile.ends_with(']')) {
            lignes_.push_back({Genre::Section, ligne, plierCasse(sansBlancs(utile.substr(1, utile.size() - 2))), {}});
        } else if (égal != std::string_view::npos && !sansBlancs(utile.substr(0, égal)).empty()) {
            lignes_.push_back({Genre::Clé, ligne, std::string(sansBlancs(utile.substr(0, égal))),
                               std::string(sansBlancs(utile.substr(égal + 1)))});
        } else {
            propre_ = false;
        }
    }
}

std::shared_ptr<const Paramètres> Paramètres::charger(const std::string& chemin) {
    static CacheFichiers<Paramètres> cache;
    return cache.contenu(chemin);
}

std::optional<std::size_t> Paramètres::ligneDe(std::string_view section, std::string_view clé) const {
    const std::string sectionPliée = plierCasse(section);
    bool dansSection = false;
    for (std::size_t i = 0; i < lignes_.size(); ++i) {
        const Ligne& ligne = lignes_[i];
        if (ligne.genre == Genre::Section)
            dansSection = ligne.nom == sectionPliée;
        else if (dansSection && ligne.genre == Genre::Clé && ligne.nom == clé)
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> Paramètres::valeur(std::string_view section, std::string_view clé) const {
    const auto i = ligneDe(section, clé);
    if (!i) return std::nullopt;
    return lignes_[*i].valeur;
}

void Paramètres::modifier(std::string_view section, std::string_view clé, std::string_view valeur) {
    std::string uneLigne(valeur);
    std::replace_if(uneLigne.begin(), uneLigne.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    Ligne nouvelle{Genre::Clé, std::string(clé) + "=" + uneLigne, std::string(clé),
                   std::string(sansBlancs(uneLigne))};
    if (const auto i = ligneDe(section, clé)) {
        lignes_[*i] = std::move(nouvelle);
        return;
    }
    const std::string sectionPliée = plierCasse(section);
    const auto entête = std::find_if(lignes_.begin(), lignes_.end(), [&](const Ligne& ligne) {
        return ligne.genre == Genre::Section && ligne.nom == sectionPliée;
    });
    if (entête == lignes_.end()) {
        std::string entête("[");
        entête.append(section).append("]");
        lignes_.push_back({Genre::Section, std::move(entête), sectionPliée, {}});
        lignes_.push_back(std::move(nouvelle));
        return;
    }
    auto après = entête + 1;
    for (auto i = après; i != lignes_.end() && i->genre != Genre::Section; ++i)
        if (i->genre == Genre::Clé) après = i + 1;
    lignes_.insert(après, std::move(nouvelle));
}

std::string Paramètres::texte() const {
    std::string texte;
    for (const Ligne& ligne : lignes_) texte.append(ligne.texte).append("\n");
    return texte;
}

}  // namespace vantorelle
