#include <array>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "analysis/BourseCollection.h"
#include "analysis/ChargementBougies.h"
#include "cli/Commandes.h"
#include "cli/LectureOptions.h"
#include "cli/SortieCommande.h"
#include "main/VerificationReglages.h"
#include "store/Erreur.h"

namespace vantorelle::cli {

namespace {

const std::string nomCommande = "vantorelle-cli figures : ";

struct OptionsFigures {
    std::string fichier, du, au, période = "jour", tendance = "1";
    // The analysis settings as texts, checked and converted as the scan does those of the settings file.
    std::string tolérance = "0,0625", périodeIndicateurs = "14", période2 = "9", tailleMarubozu = "1";
    bool confirmation = false;
    OptionsSortie sortie;
};

/// The flags converted.
struct Réglages {
    std::optional<Jour> du, au;
    PériodeBougie période = PériodeBougie::Jour;
    bool avecTendance = true;
};

/// The flags converted, with a warning on standard error for each analysis setting that makes little sense, or
/// nullopt after the message on standard error.
std::optional<Réglages> lire(const OptionsFigures& o) {
    Réglages r;
    const std::optional<Fenêtre> fenêtre = lireFenêtre(nomCommande, o.du, o.au);
    if (!fenêtre) return std::nullopt;
    r.du = fenêtre->du;
    r.au = fenêtre->au;
    if (r.du && r.au && !datesDansLOrdre(nomCommande, *r.du, *r.au)) return std::nullopt;
    r.période = lirePériode(o.période).value_or(PériodeBougie::Jour);  // checked by the parser
    if (o.tendance != "0" && o.tendance != "1") {
        std::cerr << nomCommande << "--tendance attend 0 ou 1, pas « " << o.tendance << " ».\n";
        return std::nullopt;
    }
    r.avecTendance = o.tendance == "1";
    const std::tuple<const char*, std::string_view, const std::string&> analyse[] = {
        {"--tolerance", OptionsAnalyse::Tolérance, o.tolérance},
        {"--periode-indicateurs", OptionsAnalyse::Période, o.périodeIndicateurs},
        {"--periode2", OptionsAnalyse::Période2, o.période2},
        {"--taille-marubozu", OptionsAnalyse::TailleMarubozu, o.tailleMarubozu},
    };
    try {
        for (const auto& [drapeau, clé, valeur] : analyse)
            if (const std::optional<std::string> raison = VérifierRéglageAnalyse(clé, valeur, drapeau))
                std::cerr << texteAvertissement({drapeau, 0, *raison}) << "\n";
    } catch (const ErreurConversion& e) {
        std::cerr << nomCommande << messageUtilisateur(e) << "\n";
        return std::nullopt;
    }
    return r;
}

/// Loads the history as the scan loads one security (the whole file without dates), converts it, recognises
/// and weighs the figures, and writes the captions, then one row per candle from the first one recognised.
void écrireFigures(const OptionsFigures& o, const Réglages& r, ÉcritureTable& table) {
    BourseCollection bc, semaines;
    BourseCollection& jours = r.période == PériodeBougie::Jour ? bc : semaines;
    jours.Options.Clear();
    jours.Options.Add(OptionsAnalyse::AvecTendance, Valeur(static_cast<std::int16_t>(r.avecTendance ? 1 : 0)));
    jours.Options.Add(OptionsAnalyse::Période, Valeur(o.périodeIndicateurs));
    jours.Options.Add(OptionsAnalyse::Période2, Valeur(o.période2));
    jours.Options.Add(OptionsAnalyse::TailleMarubozu, Valeur(o.tailleMarubozu));
    jours.Options.Add(OptionsAnalyse::Tolérance, Valeur(o.tolérance));

    const std::int64_t recul = Recul(jours.Options.enDouble(OptionsAnalyse::Période), r.période);
    const Jour premier = r.du ? r.du->plus(-recul) : BourseCollection::DébutDuFichier;
    const Jour dernier = r.au ? (o.confirmation ? r.au->plus(1) : *r.au) : BourseCollection::FinDuFichier;
    const std::filesystem::path fichier = o.fichier;
    ChargerBougies(bc, jours, "", fichier.stem().string(), fichier, premier, dernier, r.période);
    for (const Avertissement& avertissement : jours.AvertissementsDuChargement())
        std::cerr << texteAvertissement(avertissement) << "\n";
    const std::int32_t début = ReconnaîtreDepuis(bc, r.du ? CléDeDébut(*r.du, r.période) : std::string());
    table.EnTête(std::array<std::string_view, 6>{"Date", "Code", "Chandelier", "Pondération", "Tendance",
                                                 "Confirmation"});
    if (début == 0) return;

    for (std::int32_t i = début; i <= bc.Nombre; ++i) {
        // Where the trend was not computed the candle has none.
        const bool avecTendance = i <= bc.Tendance.Longueur() && !bc.Tendance.Item(i).estVide();
        const std::string date = bc.Date.Item(i).texte(), code = std::to_string(bc.Chandeliers.Item(i).enLong()),
                          poids = std::to_string(bc.Pondération.Item(i).enEntier()),
                          tendance = std::to_string(avecTendance ? bc.Tendance.Item(i).enEntier() : 0);
        table.Ligne(std::array<std::string_view, 6>{date, code, bc.nomDuChandelier(i), poids, tendance,
                                                    bc.ChandelierConfirmé(i) ? "1" : "0"});
    }
}

int exécuter(const OptionsFigures& o) {
    const std::optional<Réglages> réglages = lire(o);
    if (!réglages) return 2;
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(o.fichier, erreur)) {
        std::cerr << nomCommande << "le fichier d'historique « " << o.fichier << " » n'existe pas.\n";
        return 2;
    }
    const std::unique_ptr<SortieCommande> sortie =
        ouvrirSortie(nomCommande, o.sortie, {"date", "code", "chandelier", "ponderation", "tendance", "confirmation"});
    if (!sortie) return 2;
    try {
        écrireFigures(o, *réglages, sortie->Table());
        sortie->Terminer();
    } catch (const std::exception& e) {
        std::cerr << nomCommande << messageUtilisateur(e) << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

Exécution ajouterFigures(CLI::App& app) {
    auto options = std::make_shared<OptionsFigures>();
    CLI::App* figures = app.add_subcommand(
        "figures",
        "Reconnaît les figures d'un fichier d'historique comme le fait la génération : une ligne de titres, puis "
        "une ligne par bougie depuis la première reconnue : la date, le code de la figure, son nom, sa "
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
        ->check(CLI::IsMember({"jour", "semaine", "mois"}))
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
    ajouterOptionsSortie(*figures, options->sortie);
    return [options] { return exécuter(*options); };
}

}  // namespace vantorelle::cli
