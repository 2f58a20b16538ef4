#include "main/RemplissageTableau.h"

#include "main/Generateur.h"
#include "main/SauvegardeGroupe.h"
#include "main/Statut.h"
#include "shell/RacineDonnees.h"

namespace vantorelle {

RemplissageTableau::RemplissageTableau(TableauDeBord& tableau, Traduction traduire)
    : tableau_(tableau), traduire_(std::move(traduire)) {}

void RemplissageTableau::Commencer(bool arrêtDemandé) {
    tableau_.NbLignes = 0;
    tableau_.Compteurs.Initialiser();
    if (arrêtDemandé) return;
    nomsTraduits_.clear();
    tableau_.Vider();
}

const std::string& RemplissageTableau::nomTraduit(std::string_view nom) {
    auto trouvé = nomsTraduits_.find(nom.data());
    if (trouvé == nomsTraduits_.end())
        trouvé = nomsTraduits_.emplace(nom.data(), traduire_("Chandeliers", std::string(nom))).first;
    return trouvé->second;
}

void RemplissageTableau::Ajouter(const LignesValeur& lignes) {
    tableau_.Compteurs.Ajouter(lignes.compteurs);
    LignesValeur::Cellules cellules;
    for (std::size_t k = 0; k < lignes.nombre(); ++k) {
        const std::size_t nombre = lignes.ligne(k, cellules);
        std::string& figure = figureTraduite_;
        figure = nomTraduit(cellules[TableauDeBord::Chandelier]);
        figure.append(" (").push_back(lignes.signe(k));
        figure.push_back(')');
        cellules[TableauDeBord::Chandelier] = figure;
        tableau_.Ajouter(std::span(cellules.data(), nombre));
        ++tableau_.NbLignes;
    }
}

std::string RemplissageTableau::Terminer(const std::string& racine) {
    tableau_.CliquerColonne(TableauDeBord::Nom);
    tableau_.CliquerColonne(TableauDeBord::Chandelier);
    tableau_.Croissant(true);
    tableau_.CliquerColonne(TableauDeBord::Pondération);
    sauverGroupeVantorelle(tableau_, racine);
    return StatusEcrire(tableau_.Compteurs, traduire_);
}

namespace {

/// Passes the scan's results to the dashboard as they come, and its reports to the caller's progression.
class SuiviSurCeFil : public SuiviScan {
public:
    SuiviSurCeFil(RemplissageTableau& remplissage, Progression& suivi) : remplissage_(remplissage), suivi_(suivi) {}

    void ValeurTerminée(const LignesValeur& lignes) override {
        remplissage_.Ajouter(lignes);
        for (const Avertissement& avertissement : lignes.avertissements) suivi_.Avertir(avertissement);
    }
    void Statut(const std::string& texte) override { suivi_.Statut(texte); }
    void Pourcentage(int pourcent) override { suivi_.Pourcentage(pourcent); }
    void Avertir(const Avertissement& avertissement) override { suivi_.Avertir(avertissement); }
    bool ArrêtDemandé() const override { return suivi_.ArrêtDemandé(); }

private:
    RemplissageTableau& remplissage_;
    Progression& suivi_;
};

/// The generation's scan into the dashboard, unless a stop was asked before it.
void remplirSurCeFil(Générateur& générateur, const ParamètresScan& paramètres, RemplissageTableau& remplissage,
                     Progression& suivi) {
    const bool arrêt = suivi.ArrêtDemandé();
    remplissage.Commencer(arrêt);
    SuiviSurCeFil relais(remplissage, suivi);
    if (!arrêt) générateur.Générer(paramètres, relais);
}

}  // namespace

void GénérerSurCeFil(Générateur& générateur, const ParamètresScan& paramètres, TableauDeBord& tableau,
                     Traduction traduire, Progression& suivi) {
    RemplissageTableau remplissage(tableau, std::move(traduire));
    remplirSurCeFil(générateur, paramètres, remplissage, suivi);
    suivi.Statut(remplissage.Terminer(CheminBase(générateur.Lieux())));
}

void ScannerValeur(Générateur& générateur, const ParamètresScan& paramètres, TableauDeBord& tableau,
                   Traduction traduire, Progression& suivi) {
    RemplissageTableau remplissage(tableau, traduire);
    remplirSurCeFil(générateur, paramètres, remplissage, suivi);
    suivi.Statut(StatusEcrire(tableau.Compteurs, traduire));
}

}  // namespace vantorelle
