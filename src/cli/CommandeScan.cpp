#include <unistd.h>

#include <algorithm>
#include <array>
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
#include "cli/SortieCommande.h"
#include "main/Generateur.h"
#include "main/ValeursDuGroupe.h"
#include "main/VerificationReglages.h"
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

const std::string nomCommande = "vantorelle-cli scan : ";

enum Étape : std::sig_atomic_t { Avant, Boucle, Après };
volatile std::sig_atomic_t étape = Avant;
volatile std::sig_atomic_t interrompu = 0;

/// Ctrl-C during the scan's loop stops it after the current security, as the window's stop button does, and
/// the closing steps run. Before the loop, after it, or a second time, it ends the command at once: the files
/// are written through a rename, so none is left half written.
void surCtrlC(int) {
    if (étape == Boucle && interrompu == 0) {
        interrompu = 1;
        return;
    }
    static const char avant[] = "\nGénération interrompue avant la première valeur.\n";
    static const char après[] = "\nGénération interrompue, sans les étapes de clôture.\n";
    if (étape == Avant)
        static_cast<void>(::write(STDERR_FILENO, avant, sizeof avant - 1));
    else
        static_cast<void>(::write(STDERR_FILENO, après, sizeof après - 1));
    ::_exit(130);
}

class InterruptionDouce {
public:
    InterruptionDouce() {
        étape = Avant;
        interrompu = 0;
        struct sigaction action {};
        action.sa_handler = surCtrlC;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, &précédente_);
    }
    ~InterruptionDouce() { sigaction(SIGINT, &précédente_, nullptr); }
    InterruptionDouce(const InterruptionDouce&) = delete;
    InterruptionDouce& operator=(const InterruptionDouce&) = delete;

private:
    struct sigaction précédente_ {};
};

/// What the scan tells on standard error: its warnings (unless silent), the progress bar on a terminal, and
/// the stop Ctrl-C asks.
class SuiviTerminal : public Progression {
public:
    explicit SuiviTerminal(bool silencieux) : terminal_(isatty(STDERR_FILENO) == 1), silencieux_(silencieux) {}
    ~SuiviTerminal() override { effacer(); }

    /// Asked once before the loop, then after each security.
    bool ArrêtDemandé() const override {
        ++questions_;
        if (interrompu == 0) return false;
        if (questions_ == 1) surCtrlC(SIGINT);  // before the first security: nothing is written
        étape = Après;
        return true;
    }

    void Pourcentage(int pourcent) override {
        if (pourcent == 100) étape = Après;
        if (!terminal_ || pourcent == dessiné_) return;
        const int plein = pourcent / 5;
        std::fprintf(stderr, "\r[%s%s] %3d %%", std::string(static_cast<std::size_t>(plein), '#').c_str(),
                     std::string(static_cast<std::size_t>(20 - plein), ' ').c_str(), pourcent);
        std::fflush(stderr);
        dessiné_ = pourcent;
    }

    void Avertir(const Avertissement& avertissement) override {
        ++avertissements_;
        if (silencieux_) return;
        effacer();
        std::fprintf(stderr, "%s\n", texteAvertissement(avertissement).c_str());
    }

    void effacer() {
        if (dessiné_ < 0) return;
        std::fprintf(stderr, "\r%30s\r", "");
        dessiné_ = -1;
    }

    /// The securities whose rows are in the dashboard.
    int valeursFaites() const { return std::max(questions_ - 1, 0); }
    /// The summary's closing line, when there were warnings to tell.
    void conclure() const {
        if (!silencieux_ && avertissements_ > 0) std::fprintf(stderr, "%d avertissement(s).\n", avertissements_);
    }

private:
    bool terminal_;
    bool silencieux_;
    int dessiné_ = -1;
    int avertissements_ = 0;
    mutable int questions_ = 0;
};

/// The dashboard row by row: the captions, then each row's eleven cells.
void imprimer(const TableauDeBord& tableau, ÉcritureTable& table) {
    std::array<std::string_view, TableauDeBord::nombreColonnes> cellules;
    for (int c = 0; c < TableauDeBord::nombreColonnes; ++c) cellules[c] = tableau.Définition(c).titre;
    table.EnTête(cellules);
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
        for (int c = 0; c < TableauDeBord::nombreColonnes; ++c) cellules[c] = tableau.Texte(i, c);
        table.Ligne(cellules);
    }
}

struct OptionsScan {
    std::string groupe, valeur, du, au, période = "jour", formules, html, racine, configuration;
    bool confirmation = false, sansTendance = false, avecHtml = false, silencieux = false, parValeur = false;
    OptionsSortie sortie;
};

/// The securities to scan: those of the group, or the one of --valeur; false after the message on standard
/// error. What the group's reading found amiss goes to `avertissements`.
bool choisirValeurs(const OptionsScan& o, const Emplacements& emplacements, ParamètresScan& paramètres,
                    Avertissements& avertissements) {
    if (o.parValeur) {
        try {
            paramètres.valeurs = {ValeurDeLaBase(emplacements, o.valeur)};
        } catch (const ErreurSansHistorique& e) {
            std::cerr << nomCommande << e.what() << "\n";
            return false;
        }
        return true;
    }
    const std::string fichierGroupe = FichierGroupe(CheminBase(emplacements), o.groupe);
    if (!FichierExiste(fichierGroupe)) {
        std::cerr << nomCommande << "le groupe « " << o.groupe << " » n'existe pas (" << fichierGroupe << ").\n";
        return false;
    }
    paramètres.groupe = o.groupe;
    paramètres.fichierGroupe = fichierGroupe;
    ValeursDuGroupe groupe = LireValeursDuGroupe(fichierGroupe);
    paramètres.valeurs = std::move(groupe.valeurs);
    avertissements = std::move(groupe.avertissements);
    return true;
}

int exécuter(const OptionsScan& o, const Contexte& contexte) {
    const InterruptionDouce interruption;
    const std::optional<Fenêtre> fenêtre = lireFenêtre(nomCommande, o.du, o.au);
    if (!fenêtre) return 2;
    const std::unique_ptr<SortieCommande> sortie = ouvrirSortie(
        nomCommande, o.sortie,
        {"date", "code", "nom", "chandelier", "cloture", "volatilite", "volume", "rsi", "stoch", "ponderation",
         "formules"});
    if (!sortie) return 2;
    auto [du, au] = *fenêtre;
    Emplacements emplacements = contexte.emplacements;
    if (!o.configuration.empty()) emplacements.FichierParamètres(o.configuration);
    SuiviTerminal suivi(o.silencieux);
    const auto avertir = [&suivi](const Avertissements& avertissements) {
        for (const Avertissement& avertissement : avertissements) suivi.Avertir(avertissement);
    };

    try {
        ÉcrireDéfautsDémarrage(emplacements);
        if (!o.racine.empty()) emplacements.ImposerRacine(o.racine);
        Avertissements réglages;
        try {
            réglages = VérifierRéglagesAnalyse(emplacements);
        } catch (const Erreur& e) {
            std::cerr << nomCommande << e.what() << "\n";
            return 2;
        }

        ParamètresScan paramètres;
        Avertissements lectureDuGroupe;
        if (!choisirValeurs(o, emplacements, paramètres, lectureDuGroupe)) return 2;
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
        avertir(réglages);
        avertir(lectureDuGroupe);
        avertir(générateur.AvertissementsDesFormules());

        étape = Boucle;
        try {
            if (o.parValeur)
                ScannerValeur(générateur, paramètres, tableau, traduire, suivi);
            else
                GénérerSurCeFil(générateur, paramètres, tableau, traduire, suivi);
        } catch (const std::exception& e) {
            étape = Après;
            suivi.effacer();
            imprimer(tableau, sortie->Table());
            sortie->Abandonner();
            std::cerr << messageUtilisateur(e) << "\n";
            return 1;
        }
        étape = Après;
        suivi.effacer();
        imprimer(tableau, sortie->Table());
        sortie->Terminer();
        std::cerr << StatusEcrire(tableau.Compteurs, traduire) << "\n";

        if (o.avecHtml) {
            const std::filesystem::path page =
                o.html.empty() ? emplacements.RépertoireProgramme() / "HTML.HTML" : std::filesystem::path(o.html);
            RapportHTML rapport(emplacements, traduire, contexte.siteImposé);
            rapport.Écrire(page, tableau, paramètres);
            avertir(rapport.AvertissementsDuRapport());
        }
        suivi.conclure();
        if (interrompu != 0) {
            std::cerr << "Génération interrompue après " << suivi.valeursFaites() << " valeurs sur "
                      << paramètres.valeurs.size() << ".\n";
            return 130;
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
        "Génère le tableau de bord d'un groupe, ou d'une seule valeur, comme le bouton Générer de la fenêtre "
        "principale : une ligne par bougie retenue sur la sortie standard (TAB, CSV ou JSON), le résumé sur la "
        "sortie d'erreur. Écrit le groupe Vantorelle dans base/groupe. Ctrl-C arrête après la valeur en cours.");
    CLI::Option* groupe =
        scan->add_option("--groupe", options->groupe, "Groupe à balayer (nom du fichier de base/groupe sans .txt)")
            ->type_name("NOM");
    CLI::Option* valeur =
        scan->add_option("--valeur", options->valeur,
                         "Balaye une seule valeur de la base, comme un clic sur une valeur dans la fenêtre : ses "
                         "lignes dans l'ordre où elles viennent et le résumé, sans tri ni sauvegarde de groupe")
            ->type_name("CODE")
            ->excludes(groupe);
    // Checked once the whole line is read, so that a mistyped word or a bad flag is told first.
    scan->final_callback([groupe, valeur] {
        if (groupe->count() == 0 && valeur->count() == 0) throw CLI::RequiredError("--groupe ou --valeur");
    });
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
    scan->add_flag("--silencieux", options->silencieux,
                   "Ne dit pas ce qui a été sauté ou paraît douteux (lignes, fichiers, formules)");
    ajouterOptionsSortie(*scan, options->sortie);
    return [scan, options, &contexte] {
        options->avecHtml = scan->count("--html") > 0;
        options->parValeur = scan->count("--valeur") > 0;
        return exécuter(*options, contexte);
    };
}

}  // namespace vantorelle::cli
