#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/Commandes.h"
#include "cli/LectureOptions.h"
#include "main/Generateur.h"
#include "main/Produit.h"
#include "main/RapportHTML.h"
#include "main/RemplissageTableau.h"
#include "main/Statut.h"
#include "main/TableauDeBord.h"
#include "shell/DefautsDemarrage.h"
#include "shell/RacineDonnees.h"
#include "shell/TableOptions.h"
#include "shell/Traducteur.h"
#include "store/Erreur.h"
#include "store/Groupes.h"
#include "store/Repertoires.h"

namespace vantorelle::cli {

namespace {

volatile std::sig_atomic_t interrompu = 0;

/// Ctrl-C asks the generation to stop after the current security, as the window's stop button does.
class InterruptionDouce {
public:
    InterruptionDouce() {
        interrompu = 0;
        struct sigaction action {};
        action.sa_handler = [](int) { interrompu = 1; };
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &précédente_);
    }
    ~InterruptionDouce() { sigaction(SIGINT, &précédente_, nullptr); }
    InterruptionDouce(const InterruptionDouce&) = delete;
    InterruptionDouce& operator=(const InterruptionDouce&) = delete;

private:
    struct sigaction précédente_ {};
};

/// The progress bar on standard error, drawn only when it is a terminal.
class SuiviTerminal : public Progression {
public:
    SuiviTerminal() : terminal_(isatty(STDERR_FILENO) == 1) {}
    ~SuiviTerminal() override { effacer(); }

    bool ArrêtDemandé() const override { return interrompu != 0; }

    void Pourcentage(int pourcent) override {
        if (!terminal_) return;
        const int plein = pourcent / 5;
        std::fprintf(stderr, "\r[%s%s] %3d %%", std::string(static_cast<std::size_t>(plein), '#').c_str(),
                     std::string(static_cast<std::size_t>(20 - plein), ' ').c_str(), pourcent);
        std::fflush(stderr);
        dessinée_ = true;
    }

    void effacer() {
        if (!dessinée_) return;
        std::fprintf(stderr, "\r%30s\r", "");
        dessinée_ = false;
    }

private:
    bool terminal_;
    bool dessinée_ = false;
};

/// The dashboard as TAB-separated lines: the captions, then each row's eleven cells.
void imprimer(const TableauDeBord& tableau) {
    std::string sortie = tableau.Titres() + '\n';
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
        for (int c = 0; c < TableauDeBord::nombreColonnes; ++c) {
            if (c > 0) sortie += '\t';
            sortie += tableau.Texte(i, c);
        }
        sortie += '\n';
    }
    std::fwrite(sortie.data(), 1, sortie.size(), stdout);
    std::fflush(stdout);
}

struct OptionsScan {
    std::string groupe, du, au, période = "jour", formules, html, racine, configuration;
    bool confirmation = false, sansTendance = false, avecHtml = false;
};

int exécuter(const OptionsScan& o, const Contexte& contexte) {
    const std::string nomCommande = "vantorelle-cli scan : ";
    const std::optional<Fenêtre> fenêtre = lireFenêtre(nomCommande, o.du, o.au);
    if (!fenêtre) return 2;
    auto [du, au] = *fenêtre;
    Emplacements emplacements = contexte.emplacements;
    if (!o.configuration.empty()) emplacements.FichierParamètres(o.configuration);

    try {
        ÉcrireDéfautsDémarrage(emplacements);
        if (!o.racine.empty()) emplacements.ImposerRacine(o.racine);

        const std::string fichierGroupe = FichierGroupe(CheminBase(emplacements), o.groupe);
        if (!FichierExiste(fichierGroupe)) {
            std::cerr << nomCommande << "le groupe « " << o.groupe << " » n'existe pas (" << fichierGroupe << ").\n";
            return 2;
        }
        ParamètresScan paramètres;
        paramètres.groupe = o.groupe;
        for (TitreGroupe& titre : LireGroupe(fichierGroupe))
            paramètres.valeurs.push_back({std::move(titre.code), std::move(titre.nom)});
        paramètres.période = lirePériode(o.période).value_or(PériodeBougie::Jour);  // checked by the parser
        paramètres.confirmation = o.confirmation;
        paramètres.avecTendance = !o.sansTendance;

        const Traduction traduire = [&](const std::string& section, const std::string& texte) {
            return Traduire(emplacements, section, texte);
        };
        TableauDeBord tableau;
        for (int c = 0; c < TableauDeBord::nombreColonnes; ++c)
            if (std::string titre = LireTraduction(emplacements, sectionInterface, tableau.Définition(c).clé);
                !titre.empty())
                tableau.Titre(c, std::move(titre));
        Générateur générateur(emplacements, traduire);

        // The window's dates: the day of the reference security's last quote, or yesterday without it.
        if (!du || !au) {
            Jour dernierCours = contexte.horloge.aujourdhui();
            try {
                dernierCours = générateur.DateDernierCours(dernierCours);
            } catch (const std::exception& e) {
                std::cerr << messageUtilisateur(e) << "\n";
            }
            if (!du) du = dernierCours.plus(-1);
            if (!au) au = dernierCours.plus(-1);
        }
        if (!datesDansLOrdre(nomCommande, *du, *au)) return 2;
        paramètres.du = *du;
        paramètres.au = *au;

        try {
            if (!o.formules.empty())
                générateur.ChargerFormules(o.formules);
            else
                générateur.ChargerFormules();
        } catch (const std::exception& e) {
            std::cerr << nomCommande << messageUtilisateur(e) << "\n";
            return 2;
        }

        SuiviTerminal suivi;
        try {
            InterruptionDouce interruption;
            GénérerSurCeFil(générateur, paramètres, tableau, traduire, suivi);
        } catch (const std::exception& e) {
            suivi.effacer();
            imprimer(tableau);
            std::cerr << messageUtilisateur(e) << "\n";
            return 1;
        }
        suivi.effacer();
        imprimer(tableau);
        std::cerr << StatusEcrire(tableau.Compteurs, traduire) << "\n";

        if (o.avecHtml) {
            const std::filesystem::path page =
                o.html.empty() ? emplacements.RépertoireProgramme() / "HTML.HTML" : std::filesystem::path(o.html);
            RapportHTML(emplacements, traduire, Traduire(emplacements, sectionInterface, adresseSite))
                .Écrire(page, tableau, paramètres);
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << nomCommande << messageUtilisateur(e) << "\n";
        return 1;
    }
}

}  // namespace

Exécution ajouterScan(CLI::App& app, const Contexte& contexte) {
    auto options = std::make_shared<OptionsScan>();
    CLI::App* scan = app.add_subcommand(
        "scan",
        "Génère le tableau de bord d'un groupe, comme le bouton Générer de la fenêtre principale : une ligne "
        "par bougie retenue sur la sortie standard (séparateur TAB), le résumé sur la sortie d'erreur. Écrit "
        "le groupe Vantorelle dans base/groupe. Ctrl-C arrête après la valeur en cours.");
    scan->add_option("--groupe", options->groupe, "Groupe à balayer (nom du fichier de base/groupe sans .txt)")
        ->required()
        ->type_name("NOM");
    scan->add_option("--du", options->du, "Première date (par défaut, le jour du dernier cours de FR0000130007)")
        ->type_name("AAAAMMJJ");
    scan->add_option("--au", options->au, "Dernière date (par défaut, la même)")->type_name("AAAAMMJJ");
    scan->add_option("--periode", options->période, "Bougies par jour, semaine ou mois (jour par défaut) ; les bougies de semaine et de mois "
                     "prennent toujours les options d'analyse par défaut, tendance comprise")
        ->check(CLI::IsMember({"jour", "semaine", "mois"}))
        ->type_name("PÉRIODE");
    scan->add_flag("--confirmation", options->confirmation, "Seulement les figures confirmées par la bougie suivante");
    scan->add_flag("--sans-tendance", options->sansTendance, "Figures indépendantes de la tendance");
    scan->add_option("--formules", options->formules,
                     "Fichier de formules à évaluer (sinon Formules.txt quand le paramètre AvecFormules vaut 1)")
        ->type_name("FICHIER");
    scan->add_option("--html", options->html, "Écrit aussi le rapport HTML (HTML.HTML du dossier du programme, ou FICHIER)")
        ->expected(0, 1)
        ->type_name("[FICHIER]");
    scan->add_option("--racine", options->racine, "Racine des données à la place de celle des paramètres")
        ->type_name("DOSSIER");
    scan->add_option("--config", options->configuration, "Fichier de paramètres à utiliser à la place de Vantorelle.ini")
        ->type_name("FICHIER")
        ->check(fichierParamètresLisible());
    return [scan, options, &contexte] {
        options->avecHtml = scan->count("--html") > 0;
        return exécuter(*options, contexte);
    };
}

}  // namespace vantorelle::cli
