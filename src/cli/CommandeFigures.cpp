#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "analysis/BourseCollection.h"
#include "analysis/ChargementBougies.h"
#include "cli/Commandes.h"
#include "cli/LectureOptions.h"

namespace vantorelle::cli {

namespace {

const std::string nomCommande = "vantorelle-cli figures : ";

struct OptionsFigures {
    std::string fichier, du, au, période = "jour", tendance = "1", tolérance = "0,0625", périodeIndicateurs = "14",
                                 période2 = "9", tailleMarubozu = "1";
    bool confirmation = false;
};

/// The flag values checked and converted, or the message that says what is wrong.
struct Réglages {
    std::optional<Jour> du, au;
    PériodeBougie période = PériodeBougie::Jour;
    bool avecTendance = true;
    std::string tolérance;
    std::int16_t périodeIndicateurs = 14, période2 = 9, tailleMarubozu = 1;
};

std::optional<std::int16_t> lireEntier(const std::string& texte, int minimum) {
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (erreur != std::errc() || fin != texte.data() + texte.size() || valeur < minimum || valeur > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(valeur);
}

/// A tolerance written with a comma or a point, kept as the settings write it: with a comma.
std::optional<std::string> lireTolérance(std::string texte) {
    for (char& c : texte)
        if (c == ',') c = '.';
    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size() || !std::isfinite(valeur) ||
        valeur < 0)
        return std::nullopt;
    for (char& c : texte)
        if (c == '.') c = ',';
    return texte;
}

/// The flags converted, or nullopt after the message on standard error.
std::optional<Réglages> lire(const OptionsFigures& o) {
    Réglages r;
    const auto refus = [](const std::string& option, const std::string& attendu, const std::string& valeur) {
        std::cerr << nomCommande << option << " attend " << attendu << ", pas « " << valeur << " ».\n";
        return std::nullopt;
    };
    const std::optional<Fenêtre> fenêtre = lireFenêtre(nomCommande, o.du, o.au);
    if (!fenêtre) return std::nullopt;
    r.du = fenêtre->du;
    r.au = fenêtre->au;
    if (r.du && r.au && !datesDansLOrdre(nomCommande, *r.du, *r.au)) return std::nullopt;
    const std::optional<PériodeBougie> période = lirePériode(o.période);
    if (!période) return refus("--periode", "jour, semaine ou mois", o.période);
    r.période = *période;
    if (o.tendance != "0" && o.tendance != "1") return refus("--tendance", "0 ou 1", o.tendance);
    r.avecTendance = o.tendance == "1";
    const std::optional<std::string> tolérance = lireTolérance(o.tolérance);
    if (!tolérance) return refus("--tolerance", "un nombre positif ou nul (0,0625 ou 0.0625)", o.tolérance);
    r.tolérance = *tolérance;
    const std::optional<std::int16_t> périodeIndicateurs = lireEntier(o.périodeIndicateurs, 1);
    if (!périodeIndicateurs) return refus("--periode-indicateurs", "un entier de 1 à 32767", o.périodeIndicateurs);
    r.périodeIndicateurs = *périodeIndicateurs;
    const std::optional<std::int16_t> période2 = lireEntier(o.période2, 1);
    if (!période2) return refus("--periode2", "un entier de 1 à 32767", o.période2);
    r.période2 = *période2;
    const std::optional<std::int16_t> taille = lireEntier(o.tailleMarubozu, 0);
    if (!taille) return refus("--taille-marubozu", "un entier de 0 à 32767", o.tailleMarubozu);
    r.tailleMarubozu = *taille;
    return r;
}

/// Loads the history as the scan loads one security (the whole file without dates), converts it, recognises
/// and weighs the figures, and gives one line per candle from the first one recognised.
std::string figuresDuFichier(const std::filesystem::path& fichier, const Réglages& r, bool confirmation) {
    BourseCollection bc, semaines;
    BourseCollection& jours = r.période == PériodeBougie::Jour ? bc : semaines;
    jours.Options.Clear();
    jours.Options.Add(OptionsAnalyse::AvecTendance, Valeur(static_cast<std::int16_t>(r.avecTendance ? 1 : 0)));
    jours.Options.Add(OptionsAnalyse::Période, Valeur(std::to_string(r.périodeIndicateurs)));
    jours.Options.Add(OptionsAnalyse::Période2, Valeur(std::to_string(r.période2)));
    jours.Options.Add(OptionsAnalyse::TailleMarubozu, Valeur(std::to_string(r.tailleMarubozu)));
    jours.Options.Add(OptionsAnalyse::Tolérance, Valeur(r.tolérance));

    const Jour premier = r.du ? r.du->plus(-Recul(r.périodeIndicateurs, r.période)) : BourseCollection::DébutDuFichier;
    const Jour dernier = r.au ? (confirmation ? r.au->plus(1) : *r.au) : BourseCollection::FinDuFichier;
    ChargerBougies(bc, jours, "", fichier.stem().string(), fichier, premier, dernier, r.période);
    const std::int32_t début = ReconnaîtreDepuis(bc, r.du ? CléDeDébut(*r.du, r.période) : std::string());
    if (début == 0) return {};

    std::string sortie;
    for (std::int32_t i = début; i <= bc.Nombre; ++i) {
        // Where the trend was not computed the candle has none.
        const bool avecTendance = i <= bc.Tendance.Longueur() && !bc.Tendance.Item(i).estVide();
        sortie += bc.Date.Item(i).texte();
        sortie += '\t' + std::to_string(bc.Chandeliers.Item(i).enLong());
        sortie += '\t' + bc.ChandelierToString(i);
        sortie += '\t' + std::to_string(bc.Pondération.Item(i).enEntier());
        sortie += '\t' + std::to_string(avecTendance ? bc.Tendance.Item(i).enEntier() : 0);
        sortie += bc.ChandelierConfirmé(i) ? "\t1\n" : "\t0\n";
    }
    return sortie;
}

int exécuter(const OptionsFigures& o) {
    const std::optional<Réglages> réglages = lire(o);
    if (!réglages) return 2;
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(o.fichier, erreur)) {
        std::cerr << nomCommande << "le fichier d'historique « " << o.fichier << " » n'existe pas.\n";
        return 2;
    }
    std::string sortie;
    try {
        sortie = figuresDuFichier(o.fichier, *réglages, o.confirmation);
    } catch (const std::exception& e) {
        std::cerr << nomCommande << e.what() << "\n";
        return 1;
    }
    std::fwrite(sortie.data(), 1, sortie.size(), stdout);
    std::fflush(stdout);
    return 0;
}

}  // namespace

Exécution ajouterFigures(CLI::App& app) {
    auto options = std::make_shared<OptionsFigures>();
    CLI::App* figures = app.add_subcommand(
        "figures",
        "Reconnaît les figures d'un fichier d'historique comme le fait la génération : une ligne par bougie "
        "depuis la première reconnue, séparée par des TAB : la date, le code de la figure, son nom, sa "
        "pondération, le code de tendance (0 aucune, 1 baisse, 2 hausse) et 1 si la bougie suivante confirme "
        "la figure, 0 sinon. Sans --du ni --au, tout le fichier est lu et reconnu dès la première bougie. Les "
        "bougies hebdomadaires et mensuelles portent toujours les options par défaut (tolérance 0,0625, "
        "période 14, période 2 9, taille 1, avec tendance), quelles que soient les options données, comme "
        "dans la génération.");
    figures->add_option("FICHIER", options->fichier, "Fichier d'historique d'une valeur")->required();
    figures
        ->add_option("--du", options->du,
                     "Première date reconnue ; le chargement commence plus tôt du recul des indicateurs, comme "
                     "dans la génération (sans --du, dès la première ligne du fichier)")
        ->type_name("AAAAMMJJ");
    figures->add_option("--au", options->au, "Dernière date (sans --au, jusqu'à la dernière ligne du fichier)")
        ->type_name("AAAAMMJJ");
    figures->add_flag("--confirmation", options->confirmation,
                      "Charge aussi le jour qui suit --au, pour confirmer une figure de la dernière date");
    figures->add_option("--periode", options->période, "Bougies par jour, semaine ou mois (jour par défaut)")
        ->type_name("PÉRIODE");
    figures->add_option("--tendance", options->tendance, "1 : figures avec tendance (par défaut) ; 0 : sans")
        ->type_name("0|1");
    figures
        ->add_option("--tolerance", options->tolérance, "Tolérance des comparaisons, 0,0625 par défaut (0,1 ou 0.1)")
        ->type_name("NOMBRE");
    figures
        ->add_option("--periode-indicateurs", options->périodeIndicateurs,
                     "Période de la tendance et du recul avant --du, 14 par défaut")
        ->type_name("N");
    figures->add_option("--periode2", options->période2, "Période des moyennes des tailles, 9 par défaut")
        ->type_name("N");
    figures
        ->add_option("--taille-marubozu", options->tailleMarubozu,
                     "Taille d'un grand chandelier, en multiple de la moyenne, 1 par défaut")
        ->type_name("N");
    return [options] { return exécuter(*options); };
}

}  // namespace vantorelle::cli
