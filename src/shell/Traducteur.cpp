#include "shell/Traducteur.h"

#include <exception>
#include <memory>

#include "shell/Emplacements.h"
#include "shell/ProfilPrive.h"

namespace vantorelle {

namespace {

/// The two language files as they are now; read once for a whole window.
class Langues {
public:
    explicit Langues(const Emplacements& emplacements) {
        principal_ = ProfilPrivé::charger(emplacements.FichierProgramme(std::string(TitreApplication) + ".lng").string());
        partagé_ = ProfilPrivé::charger(emplacements.FichierProgramme("Shared.lng").string());
    }

    std::string lire(std::string_view section, std::string_view clé) const {
        std::string valeur = principal_ ? principal_->lire(section, clé) : std::string();
        if (valeur.empty() && partagé_) valeur = partagé_->lire(section, clé);
        return valeur;
    }

private:
    std::shared_ptr<const ProfilPrivé> principal_;
    std::shared_ptr<const ProfilPrivé> partagé_;
};

bool aUnTitre(GenreContrôle genre) {
    switch (genre) {
        case GenreContrôle::Libellé:
        case GenreContrôle::Bouton:
        case GenreContrôle::BoutonOption:
        case GenreContrôle::CaseÀCocher:
        case GenreContrôle::Cadre:
        case GenreContrôle::ZoneTexte: return true;
        default: return false;
    }
}

/// Runs one step of the translation; a property that refuses its value does not stop the others.
template <class Étape>
void sansErreur(Étape étape) {
    try {
        étape();
    } catch (const std::exception&) {
    }
}

void traduireContrôle(const Langues& langues, const std::string& section, ContrôleTraduisible& contrôle) {
    const std::string nom = contrôle.nom();
    const GenreContrôle genre = contrôle.genre();
    const std::string parNom = langues.lire(section, nom);
    if (!parNom.empty()) {
        if (aUnTitre(genre)) sansErreur([&] { contrôle.changerTexte(parNom); });
    } else if (aUnTitre(genre)) {
        sansErreur([&] {
            const std::string parTexte = langues.lire(section, contrôle.texte());
            if (!parTexte.empty()) contrôle.changerTexte(parTexte);
        });
    } else if (genre == GenreContrôle::BarreOutils) {
        sansErreur([&] {
            const auto clés = contrôle.clésBoutons();
            for (std::size_t i = 0; i < clés.size(); ++i)
                if (const std::string bulle = langues.lire(section, clés[i]); !bulle.empty())
                    sansErreur([&] { contrôle.changerInfoBulleBouton(i, bulle); });
        });
    } else if (genre == GenreContrôle::ListeVue) {
        sansErreur([&] {
            const auto clés = contrôle.clésColonnes();
            for (std::size_t i = 0; i < clés.size(); ++i)
                if (const std::string titre = langues.lire(section, clés[i]); !titre.empty())
                    sansErreur([&] { contrôle.changerTitreColonne(i, titre); });
        });
    }
    if (const std::string bulle = langues.lire(section, nom + ".ToolTipText"); !bulle.empty())
        sansErreur([&] { contrôle.changerInfoBulle(bulle); });
}

}  // namespace

std::string LireTraduction(const Emplacements& emplacements, std::string_view section, std::string_view clé) {
    return Langues(emplacements).lire(section, clé);
}

std::string Traduire(const Emplacements& emplacements, std::string_view section, std::string_view message) {
    std::string traduction = LireTraduction(emplacements, section, message);
    return traduction.empty() ? std::string(message) : traduction;
}

void TraduireFormulaire(const Emplacements& emplacements, FenêtreTraduisible& fenêtre) {
    const Langues langues(emplacements);
    std::string section;
    sansErreur([&] { section = fenêtre.nom(); });
    if (const std::string titre = langues.lire(section, "Caption"); !titre.empty())
        sansErreur([&] { fenêtre.changerTitre(titre); });
    std::vector<ContrôleTraduisible*> contrôles;
    sansErreur([&] { contrôles = fenêtre.contrôles(); });
    for (ContrôleTraduisible* contrôle : contrôles)
        sansErreur([&] { traduireContrôle(langues, section, *contrôle); });
}

}  // namespace vantorelle
