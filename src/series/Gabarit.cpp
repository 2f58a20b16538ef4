#include "series/Gabarit.h"

#include <algorithm>
#include <utility>

#include "series/Lexeur.h"
#include "store/Chaines.h"

namespace vantorelle {

namespace {

constexpr std::string_view motsDeValeur[] = {"Vrai", "Faux", "NO_EVAL"};

bool caractèreDeNombre(char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '.' || c == 'E' || c == '+' || c == '-';
}

bool chiffre(char c) { return c >= '0' && c <= '9'; }

/// True when a token ending `texte` could go on into text put after it ("12" or "x", also "1E+").
bool finOuverte(std::string_view texte) {
    if (texte.empty()) return false;
    const char dernier = texte.back();
    if (Lexeur::prolongeUnJeton(dernier)) return true;
    return texte.size() >= 2 && (dernier == '+' || dernier == '-') &&
           (texte[texte.size() - 2] == 'E' || texte[texte.size() - 2] == 'e');
}

/// True when no part of `motif` can be part of a value's text at its start, its end or inside it: most
/// names, and the test costs no allocation.
bool horsDesValeurs(std::string_view motif) {
    for (char c : motif)
        if (caractèreDeNombre(c)) return false;
    const std::size_t n = motif.size();
    for (std::string_view mot : motsDeValeur) {
        if (n <= mot.size() && mot.find(motif) != std::string_view::npos) return false;
        for (std::size_t p = 0; p + mot.size() <= n; ++p)
            if (motif[p] == mot[0] && motif.substr(p, mot.size()) == mot) return false;
        // A part at either end of the motif that a value could continue.
        for (std::size_t l = 1; l < n && l < mot.size(); ++l) {
            if (motif[n - l] == mot[0] && mot.substr(0, l) == motif.substr(n - l)) return false;
            if (motif[l - 1] == mot.back() && mot.substr(mot.size() - l) == motif.substr(0, l)) return false;
        }
    }
    return true;
}

/// Where an occurrence of a motif could meet the text of a slot, from the motif alone. A value's text is
/// taken as any run of number characters, so the test errs on the side of caution.
struct Profil {
    bool dansUneValeur = false;                                // the whole motif could lie inside a value
    std::vector<std::size_t> coupesDébut;                      // a: motif[a..] could begin a value
    std::vector<std::size_t> coupesFin;                        // b: motif[..b] could end a value
    std::vector<std::pair<std::size_t, std::size_t>> valeurs;  // [a, c): a whole value inside the motif

    explicit Profil(std::string_view motif) {
        const std::size_t n = motif.size();
        std::size_t débutNumérique = n;  // motif[a..] is all number characters from here on
        while (débutNumérique > 0 && caractèreDeNombre(motif[débutNumérique - 1])) --débutNumérique;
        std::size_t finNumérique = 0;  // motif[..b] is all number characters up to here
        while (finNumérique < n && caractèreDeNombre(motif[finNumérique])) ++finNumérique;

        dansUneValeur = débutNumérique == 0 && n > 0;
        for (std::string_view mot : motsDeValeur) dansUneValeur = dansUneValeur || mot.find(motif) != std::string_view::npos;

        for (std::size_t a = 1; a < n; ++a) {
            bool début = a >= débutNumérique;
            for (std::string_view mot : motsDeValeur) début = début || mot.starts_with(motif.substr(a));
            if (début) coupesDébut.push_back(a);
        }
        for (std::size_t b = 1; b < n; ++b) {
            bool fin = b <= finNumérique;
            for (std::string_view mot : motsDeValeur) fin = fin || mot.ends_with(motif.substr(0, b));
            if (fin) coupesFin.push_back(b);
        }
        for (std::size_t p = 0; p < n;) {
            if (!caractèreDeNombre(motif[p])) {
                ++p;
                continue;
            }
            std::size_t q = p;
            while (q < n && caractèreDeNombre(motif[q])) ++q;
            for (std::size_t a = p; a < q; ++a)
                for (std::size_t c = a + 1; c <= q; ++c)
                    if (a != 0 || c != n) valeurs.emplace_back(a, c);
            p = q;
        }
        for (std::string_view mot : motsDeValeur)
            for (auto a = motif.find(mot); a != std::string_view::npos; a = motif.find(mot, a + 1))
                if (a != 0 || a + mot.size() != n) valeurs.emplace_back(a, a + mot.size());
    }
};

}  // namespace

Gabarit::Gabarit(std::string texte) {
    if (!texte.empty()) morceaux_.push_back({std::move(texte)});
}

bool Gabarit::aDesCases() const {
    return std::any_of(morceaux_.begin(), morceaux_.end(), [](const Morceau& m) { return m.estCase(); });
}

bool Gabarit::contient(std::string_view motif) const {
    return std::any_of(morceaux_.begin(), morceaux_.end(), [&](const Morceau& m) {
        return !m.estCase() && m.texte.find(motif) != std::string::npos;
    });
}

namespace {

/// Calls `trouvé(k)` for each "[-k]" of `texte`, k written without leading zeros and below a million.
template <class Trouvé>
void parcourirDécalages(std::string_view texte, Trouvé trouvé) {
    for (auto p = texte.find("[-"); p != std::string_view::npos; p = texte.find("[-", p + 1)) {
        std::size_t q = p + 2;
        if (q >= texte.size() || texte[q] < '1' || texte[q] > '9') continue;
        std::int32_t k = 0;
        while (q < texte.size() && chiffre(texte[q]) && q - p - 2 < 6) k = k * 10 + (texte[q++] - '0');
        if (q < texte.size() && texte[q] == ']') trouvé(k);
    }
}

}  // namespace

std::optional<std::int32_t> Gabarit::prochainDécalage(std::int32_t depuis) const {
    std::optional<std::int32_t> plusPetit;
    for (const Morceau& m : morceaux_)
        if (!m.estCase())
            parcourirDécalages(m.texte, [&](std::int32_t k) {
                if (k >= depuis && (!plusPetit || k < *plusPetit)) plusPetit = k;
            });
    return plusPetit;
}

std::vector<std::int32_t> Gabarit::décalages(std::string_view texte) {
    std::vector<std::int32_t> ks;
    parcourirDécalages(texte, [&](std::int32_t k) { ks.push_back(k); });
    std::sort(ks.begin(), ks.end());
    ks.erase(std::unique(ks.begin(), ks.end()), ks.end());
    return ks;
}

Gabarit::Contexte Gabarit::àGauche(std::size_t j) const {
    if (j == 0) return {};
    if (morceaux_[j - 1].estCase()) return {{}, true};
    return {morceaux_[j - 1].texte, j >= 2};
}

Gabarit::Contexte Gabarit::àDroite(std::size_t j) const {
    if (j + 1 >= morceaux_.size()) return {};
    if (morceaux_[j + 1].estCase()) return {{}, true};
    return {morceaux_[j + 1].texte, j + 2 < morceaux_.size()};
}

bool Gabarit::peutChevaucher(std::string_view motif) const {
    if (motif.empty() || !aDesCases() || horsDesValeurs(motif)) return false;
    const Profil profil(motif);
    if (profil.dansUneValeur) return true;
    for (std::size_t j = 0; j < morceaux_.size(); ++j) {
        if (!morceaux_[j].estCase()) continue;
        const Contexte gauche = àGauche(j);
        const Contexte droite = àDroite(j);
        // Can motif[..a] stand just left of the slot, and motif[c..] just right of it?
        const auto gaucheOK = [&](std::size_t a) {
            const std::string_view avant = motif.substr(0, a);
            if (avant.size() <= gauche.texte.size()) return gauche.texte.ends_with(avant);
            return gauche.ouvert && avant.ends_with(gauche.texte);
        };
        const auto droiteOK = [&](std::size_t c) {
            const std::string_view après = motif.substr(c);
            if (après.size() <= droite.texte.size()) return droite.texte.starts_with(après);
            return droite.ouvert && après.starts_with(droite.texte);
        };
        if (std::any_of(profil.coupesDébut.begin(), profil.coupesDébut.end(), gaucheOK)) return true;
        if (std::any_of(profil.coupesFin.begin(), profil.coupesFin.end(), droiteOK)) return true;
        for (const auto& [a, c] : profil.valeurs)
            if (gaucheOK(a) && droiteOK(c)) return true;
    }
    return false;
}

bool Gabarit::caseEntreCrochets() const {
    const auto crochetAtteint = [&](std::size_t j, int sens, char crochet) {
        for (auto k = static_cast<std::ptrdiff_t>(j) + sens; k >= 0 && k < static_cast<std::ptrdiff_t>(morceaux_.size()); k += sens) {
            const Morceau& m = morceaux_[static_cast<std::size_t>(k)];
            if (m.estCase()) continue;
            const std::string& t = m.texte;
            for (std::size_t p = 0; p < t.size(); ++p) {
                const char c = sens < 0 ? t[t.size() - 1 - p] : t[p];
                if (c == crochet) return true;
                if (c != '-' && !chiffre(c)) return false;
            }
        }
        return false;
    };
    for (std::size_t j = 0; j < morceaux_.size(); ++j)
        if (morceaux_[j].estCase() && crochetAtteint(j, -1, '[') && crochetAtteint(j, +1, ']')) return true;
    return false;
}

void Gabarit::ajouterTexte(std::vector<Morceau>& morceaux, std::string_view texte) const {
    if (texte.empty()) return;
    if (!morceaux.empty() && !morceaux.back().estCase())
        morceaux.back().texte += texte;
    else
        morceaux.push_back({std::string(texte)});
}

void Gabarit::remplacerParCase(std::string_view motif, std::int32_t case_) {
    if (motif.empty()) return;
    std::vector<Morceau> résultat;
    for (Morceau& m : morceaux_) {
        if (m.estCase()) {
            résultat.push_back(std::move(m));
            continue;
        }
        const std::string_view t = m.texte;
        std::size_t p = 0;
        for (std::size_t q; (q = t.find(motif, p)) != std::string_view::npos; p = q + motif.size()) {
            ajouterTexte(résultat, t.substr(p, q - p));
            résultat.push_back({{}, case_});
        }
        ajouterTexte(résultat, t.substr(p));
    }
    morceaux_ = std::move(résultat);
}

void Gabarit::remplacerParTexte(std::string_view motif, std::string_view texte) {
    if (motif.empty() || !contient(motif)) return;
    std::vector<Morceau> résultat;
    for (Morceau& m : morceaux_) {
        if (m.estCase()) {
            résultat.push_back(std::move(m));
            continue;
        }
        Remplacer(m.texte, motif, texte, true);
        ajouterTexte(résultat, m.texte);
    }
    morceaux_ = std::move(résultat);
}

void Gabarit::remplacerCaractère(char de, char par) {
    for (Morceau& m : morceaux_)
        if (!m.estCase()) std::replace(m.texte.begin(), m.texte.end(), de, par);
}

Gabarit::Découpage Gabarit::découper(std::vector<Jeton>& jetons) const {
    for (std::size_t j = 0; j < morceaux_.size(); ++j) {
        if (!morceaux_[j].estCase()) continue;
        const Contexte gauche = àGauche(j);
        const Contexte droite = àDroite(j);
        const bool isolée = !(gauche.ouvert && gauche.texte.empty()) && !(droite.ouvert && droite.texte.empty()) &&
                            !finOuverte(gauche.texte) &&
                            (droite.texte.empty() || !Lexeur::prolongeUnJeton(droite.texte.front()));
        if (!isolée) return Découpage::Illisible;
    }
    for (const Morceau& m : morceaux_) {
        if (m.estCase())
            jetons.push_back({SorteJeton::Case, 0, m.case_});
        else if (!Lexeur::découper(m.texte, jetons))
            return Découpage::Échec;
    }
    return Découpage::Jetons;
}

}  // namespace vantorelle
