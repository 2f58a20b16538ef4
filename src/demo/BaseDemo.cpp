#include "demo/BaseDemo.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "demo/Alea.h"
#include "demo/GabaritsFigures.h"
#include "store/EcritureAtomique.h"
#include "store/Encodage.h"

namespace vantorelle {

namespace {

struct Nommée {
    const char* nom;
    const char* secteur;
};

// Invented names; the first one is the reference security.
constexpr Nommée valeursNommées[] = {
    {"Alcyrane", "Industrie"},
    {"Brasseries Kerlann", "Consommation"},
    {"Cimenteries Vaudreval", "Industrie"},
    {"Dovaline", "Technologie"},
    {"Électroméca Sorvel", "Industrie"},
    {"Fonderies Lintal", "Industrie"},
    {"Grésac Immobilier", "Finance"},
    {"Halvoran", "Technologie"},
    {"Imprimeries Quertin", "Services"},
    {"Jardelle Distribution", "Consommation"},
    {"Korvane Énergie", "Industrie"},
    {"Laboratoires Mévrel", "Consommation"},
    {"Marnaval", "Services"},
    {"Ostrane Nautique", "Consommation"},
    {"Orlavie Assurances", "Finance"},
    {"Papeteries Valdorne", "Industrie"},
    {"Quinsac Télécom", "Technologie"},
    {"Rovalis", "Finance"},
    {"Sivrac Transports", "Services"},
    {"Télvane", "Technologie"},
    {"Ubriac Chimie", "Industrie"},
    {"Valmorin Banque", "Finance"},
    {"Wendrel Logistique", "Services"},
    {"Xantel Médias", "Services"},
    {"Yvrac Agroalimentaire", "Consommation"},
    {"Zéphyrane Aéro", "Industrie"},
    {"Arvelle Textiles", "Consommation"},
    {"Bélorgue Matériaux", "Industrie"},
    {"Castélan Hôtels", "Services"},
    {"Dréval Pharma", "Consommation"},
    {"Estérac Vins", "Consommation"},
    {"Florvane Cosmétiques", "Consommation"},
    {"Garonnel Bâtiment", "Industrie"},
    {"Hélvric Services", "Services"},
    {"Isomène Plastiques", "Industrie"},
    {"Joncquet Automobiles", "Industrie"},
    {"Lurvane Informatique", "Technologie"},
    {"Morvelle Aciéries", "Industrie"},
    {"Norvic Santé", "Finance"},
    {"Pélagrin Croisières", "Services"},
};
constexpr int nombreNommées = sizeof valeursNommées / sizeof valeursNommées[0];

const char* const formules =
    "Rebond=Clôture>Clôture[-1] And Clôture[-1]<Clôture[-2] And Clôture[-2]<Clôture[-3]\r\n"
    "Cassure=Clôture>Maximum[-1] And Volume>Volume[-1]\r\n"
    "FigureForte=Pondération>=3\r\n"
    "Avalement=Chandeliers=214 Or Chandeliers=114\r\n"
    "Indecision=Chandeliers>=300 And Chandeliers<400\r\n";

/// An ISIN-shaped code: country, nine characters, and the ISIN check digit.
std::string codeIsin(const std::string& pays, int numéro) {
    std::string code = pays + "0000" + std::to_string(10000 + numéro % 90000);
    std::string chiffres;
    for (char c : code) chiffres += c >= 'A' ? std::to_string(c - 'A' + 10) : std::string(1, c);
    int somme = 0;
    for (std::size_t k = 0; k < chiffres.size(); ++k) {
        int n = chiffres[chiffres.size() - 1 - k] - '0';
        if (k % 2 == 0) n = n * 2 > 9 ? n * 2 - 9 : n * 2;
        somme += n;
    }
    return code + std::to_string((10 - somme % 10) % 10);
}

/// A trading day of the Paris market: Monday to Friday, but the fixed holidays.
bool ouvré(Jour d) {
    int semaine = d.jourDeLaSemaine();
    if (semaine == 0 || semaine == 6) return false;
    int jm = d.mois() * 100 + d.jour();
    return jm != 101 && jm != 501 && jm != 1225 && jm != 1226;
}

/// Prices move by a cent, or by a tenth of a cent under 10.
double auPas(double prix) {
    double pas = prix >= 10 ? 100 : 1000;
    return std::max(std::round(prix * pas) / pas, 0.001);
}

std::string texteCours(double prix) {
    bool centimes = prix >= 10;
    long long unités = std::llround(prix * (centimes ? 100 : 1000));
    std::string décimales = std::to_string(unités % (centimes ? 100 : 1000));
    décimales.insert(0, (centimes ? 2 : 3) - décimales.size(), '0');
    return std::to_string(unités / (centimes ? 100 : 1000)) + "," + décimales;
}

struct Bougie {
    double o, h, l, c;
};

/// The quotes of one security, day after day.
class Cotation {
public:
    Cotation(std::uint64_t graine, int numéro) : aléa_(graine + 0x632BE59BD9B4E019ULL * (numéro + 1)), numéro_(numéro) {
        clôture_ = auPas(15 + 185 * aléa_.uniforme());
        cible_ = clôture_;
        double volatilité = 0.012 + 0.01 * aléa_.uniforme();
        variance_ = volatilité * volatilité;
        varianceLongue_ = variance_;
        double u = aléa_.uniforme();
        volumeDeBase_ = 5000 + u * u * 2000000;
        prochainePlantation_ = 20 + static_cast<int>(aléa_.entier(40));
    }

    /// The next day's line, or nothing when the security is not quoted that day.
    std::string Ligne(Jour jour) {
        if (àVenir_.empty() && aléa_.uniforme() < 1.0 / 400) return {};  // a suspended day
        bool planté = !àVenir_.empty() || --prochainePlantation_ <= 0;
        if (planté && àVenir_.empty()) planter();
        Bougie b;
        if (planté) {
            b = àVenir_.front();
            àVenir_.pop_front();
            if (àVenir_.empty()) prochainePlantation_ = 30 + static_cast<int>(aléa_.entier(50));
        } else {
            b = auHasard();
        }
        clôture_ = b.c;
        double volume = volumeDeBase_ * (0.4 + 0.6 * std::fabs(aléa_.normale()) + 30 * std::sqrt(variance_));
        std::string champs[4] = {texteCours(b.o), texteCours(b.h), texteCours(b.l), texteCours(b.c)};
        if (!planté && aléa_.uniforme() < 1.0 / 1500) {
            std::string& champ = champs[aléa_.entier(4)];  // a missing or zero price, as providers sometimes send
            champ = std::string(aléa_.uniforme() < 0.5 ? 0 : 1, '0');
        }
        return jour.texte() + "\t" + champs[0] + "\t" + champs[1] + "\t" + champs[2] + "\t" + champs[3] + "\t" +
               std::to_string(std::llround(volume)) + "\r\n";
    }

private:
    Bougie auHasard() {
        double sigma = std::sqrt(variance_);
        double o = clôture_ * (1 + 0.25 * sigma * aléa_.normale());
        if (aléa_.uniforme() < 1.0 / 250) o *= 1 + (aléa_.uniforme() < 0.5 ? -1 : 1) * (0.03 + 0.04 * aléa_.uniforme());
        double choc = sigma * aléa_.normale();
        double c = o * (1 - 0.003 * (clôture_ / cible_ - 1) + choc);
        double h = std::max(o, c) * (1 + 0.5 * sigma * std::fabs(aléa_.normale()));
        double l = std::min(o, c) * (1 - 0.5 * sigma * std::fabs(aléa_.normale()));
        // Volatility clusters: today's shock feeds tomorrow's variance.
        variance_ = 0.02 * varianceLongue_ + 0.08 * choc * choc + 0.9 * variance_;
        Bougie b{auPas(o), auPas(h), auPas(l), auPas(c)};
        b.h = std::max({b.h, b.o, b.c});
        b.l = std::min({b.l, b.o, b.c});
        return b;
    }

    /// Queues the run that prepares a figure, then the figure itself.
    void planter() {
        const auto& gabarits = gabaritsFigures();
        const GabaritFigure& g = gabarits[(plantations_++ + numéro_ * 7) % gabarits.size()];
        double prix = clôture_;
        for (int k = 0; k < 16; ++k) {
            Bougie b{};
            if (g.contexte == Contexte::Plat) {
                double c = auPas(clôture_ * (k % 2 == 0 ? 1.003 : 0.997));
                b = {clôture_, auPas(std::max(clôture_, c) * 1.002), auPas(std::min(clôture_, c) * 0.998), c};
            } else {
                bool hausse = g.contexte == Contexte::Hausse;
                // A pause every fourth day keeps the run from being eight new highs in a row.
                bool pause = k % 4 == 1;
                double pente = pause ? -0.002 : 0.006;
                double marge = pause ? 0.001 : 0.002;
                double c = auPas(prix * (1 + (hausse ? pente : -pente)));
                b = {prix, auPas(std::max(prix, c) * (1 + marge)), auPas(std::min(prix, c) * (1 - marge)), c};
                prix = c;
            }
            àVenir_.push_back(b);
        }
        double référence = g.contexte == Contexte::Plat ? clôture_ : prix;
        for (const BougieRelative& r : g.bougies)
            àVenir_.push_back({auPas(référence * r.o / 100), auPas(référence * r.h / 100), auPas(référence * r.l / 100),
                               auPas(référence * r.c / 100)});
    }

    Aléa aléa_;
    int numéro_;
    double clôture_, cible_, variance_, varianceLongue_, volumeDeBase_;
    int prochainePlantation_;
    int plantations_ = 0;
    std::deque<Bougie> àVenir_;
};

}  // namespace

std::vector<BaseDémo::ValeurFictive> BaseDémo::Valeurs() const {
    std::vector<ValeurFictive> valeurs;
    for (int k = 0; k < paramètres_.valeurs; ++k) {
        if (k == 0) {
            valeurs.push_back({codeRéférence, valeursNommées[0].nom, valeursNommées[0].secteur});
            continue;
        }
        const char* pays = k % 11 == 7 ? "NL" : k % 13 == 8 ? "LU" : "FR";
        std::string code = codeIsin(pays, 12011 + k * 3517);
        if (k < nombreNommées)
            valeurs.push_back({code, valeursNommées[k].nom, valeursNommées[k].secteur});
        else
            valeurs.push_back({code, "Valeur " + std::to_string(k + 1), "Divers"});
    }
    return valeurs;
}

std::string BaseDémo::Historique(int k) const {
    Jour début = Jour::de(paramètres_.fin.année() - paramètres_.années, paramètres_.fin.mois(), paramètres_.fin.jour());
    if (début.estZéro()) début = Jour::de(paramètres_.fin.année() - paramètres_.années, 3, 1);
    début = début.plus(1);
    // A few securities came to the market later, one of them only a few days ago.
    if (k == 33) début = paramètres_.fin.plus(-16);
    else if (k % 13 == 5) début = début.plus(3 * 365 + 40 * k);
    else if (k % 17 == 9) début = début.plus(7 * 365 + 11 * k);

    Cotation cotation(paramètres_.graine, k);
    std::string texte;
    for (Jour jour = début; jour <= paramètres_.fin; jour = jour.plus(1))
        if (ouvré(jour)) texte += cotation.Ligne(jour);
    return texte;
}

void BaseDémo::Écrire(const std::filesystem::path& dossier) const {
    namespace fs = std::filesystem;
    fs::create_directories(dossier / "base" / "histo");
    fs::create_directories(dossier / "base" / "groupe");
    std::vector<ValeurFictive> valeurs = Valeurs();
    std::vector<std::string> secteurs;
    for (int k = 0; k < static_cast<int>(valeurs.size()); ++k) {
        const ValeurFictive& v = valeurs[static_cast<std::size_t>(k)];
        écrireAtomiquement(dossier / "base" / "histo" / (v.nom + "_" + v.code + ".txt"),
                           Historique(k));
        if (std::find(secteurs.begin(), secteurs.end(), v.secteur) == secteurs.end()) secteurs.push_back(v.secteur);
    }
    std::vector<std::string> toutes;
    for (const std::string& secteur : secteurs) {
        std::string groupe;
        for (const ValeurFictive& v : valeurs)
            if (v.secteur == secteur) groupe += v.code + "\t" + v.nom + "\r\n";
        écrireAtomiquement(dossier / "base" / "groupe" / (secteur + ".txt"), versWindows1252(groupe));
    }
    for (const ValeurFictive& v : valeurs) toutes.push_back(v.code + "\t" + v.nom + "\r\n");
    std::sort(toutes.begin(), toutes.end());
    std::string all;
    for (const std::string& ligne : toutes) all += ligne;
    écrireAtomiquement(dossier / "base" / "groupe" / "All.txt", versWindows1252(all));
    écrireAtomiquement(dossier / "Formules.txt", versWindows1252(formules));

    std::string racine = fs::absolute(dossier).lexically_normal().generic_string();
    if (racine.empty() || racine.back() != '/') racine += '/';
    écrireAtomiquement(dossier / "Vantorelle.ini",
                       "[BourseCollection]\n"
                       "Tolérance=0,0625\n"
                       "Période=14\n"
                       "Période2=9\n"
                       "TailleMarubozu=1\n"
                       "Pondération=1\n"
                       "\n"
                       "[Path]\n"
                       "PathPlotanex=" + racine + "\n"
                       "AvecFormules=1\n"
                       "AfficherDate=1\n");
}

}  // namespace vantorelle
