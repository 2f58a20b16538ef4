#include "shell/Traducteur.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include "support/EnvironnementEssai.h"
#include "store/Encodage.h"

namespace vantorelle {
namespace {

using test::EnvironnementEssai;

/// A control that records what the translation did to it.
class ContrôleFactice : public ContrôleTraduisible {
public:
    ContrôleFactice(std::string nom, GenreContrôle genre, std::string texte, std::vector<std::string> clés = {})
        : nom_(std::move(nom)), genre_(genre), texte_(std::move(texte)), clés_(std::move(clés)),
          éléments_(clés_.size()) {}

    std::string nom() const override { return nom_; }
    GenreContrôle genre() const override { return genre_; }
    std::string texte() const override { return texte_; }
    void changerTexte(const std::string& texte) override {
        if (refuse_) throw std::runtime_error("propriété absente");
        texte_ = texte;
    }
    void changerInfoBulle(const std::string& bulle) override { bulle_ = bulle; }
    std::vector<std::string> clésBoutons() const override {
        return genre_ == GenreContrôle::BarreOutils ? clés_ : std::vector<std::string>{};
    }
    void changerInfoBulleBouton(std::size_t i, const std::string& bulle) override { éléments_.at(i) = bulle; }
    std::vector<std::string> clésColonnes() const override {
        return genre_ == GenreContrôle::ListeVue ? clés_ : std::vector<std::string>{};
    }
    void changerTitreColonne(std::size_t i, const std::string& titre) override { éléments_.at(i) = titre; }

    void refuserLeTexte() { refuse_ = true; }
    const std::string& bulle() const { return bulle_; }
    const std::vector<std::string>& éléments() const { return éléments_; }

private:
    std::string nom_;
    GenreContrôle genre_;
    std::string texte_;
    std::vector<std::string> clés_;
    std::vector<std::string> éléments_;
    std::string bulle_;
    bool refuse_ = false;
};

class FenêtreFactice : public FenêtreTraduisible {
public:
    explicit FenêtreFactice(std::string nom, std::string titre) : nom_(std::move(nom)), titre_(std::move(titre)) {}

    ContrôleFactice& ajouter(std::string nom, GenreContrôle genre, std::string texte, std::vector<std::string> clés = {}) {
        contrôles_.push_back(std::make_unique<ContrôleFactice>(std::move(nom), genre, std::move(texte), std::move(clés)));
        return *contrôles_.back();
    }
    std::string nom() const override { return nom_; }
    void changerTitre(const std::string& titre) override { titre_ = titre; }
    std::vector<ContrôleTraduisible*> contrôles() override {
        std::vector<ContrôleTraduisible*> liste;
        for (auto& c : contrôles_) liste.push_back(c.get());
        return liste;
    }
    const std::string& titre() const { return titre_; }
    ContrôleFactice& contrôle(std::size_t i) { return *contrôles_.at(i); }

private:
    std::string nom_;
    std::string titre_;
    std::vector<std::unique_ptr<ContrôleFactice>> contrôles_;
};

/// The options window of the tests, in French.
FenêtreFactice fenêtreOptions() {
    FenêtreFactice f("frmOptions", "Options");
    f.ajouter("lblTolérance", GenreContrôle::Libellé, "Tolérance");
    f.ajouter("cmdDéfaut", GenreContrôle::Bouton, "Défaut");
    f.ajouter("txtEditeur", GenreContrôle::ZoneTexte, "xdg-open");
    f.ajouter("chkX", GenreContrôle::CaseÀCocher, "Avec formules");
    f.ajouter("tbBarre", GenreContrôle::BarreOutils, "", {"Generer", "Arreter"});
    f.ajouter("lvValeurs", GenreContrôle::ListeVue, "", {"Code", "Nom"});
    f.ajouter("picLogo", GenreContrôle::Autre, "");
    f.ajouter("optJour", GenreContrôle::BoutonOption, "Jour");
    f.ajouter("fraGroupe", GenreContrôle::Cadre, "Groupe");
    return f;
}

struct Résultat {
    std::string titre;
    std::vector<std::string> textes;
    std::vector<std::string> bulles;
    std::vector<std::string> boutons, colonnes;
};

Résultat traduire(FenêtreFactice f) {
    TraduireFormulaire(f);
    Résultat r{f.titre(), {}, {}, f.contrôle(4).éléments(), f.contrôle(5).éléments()};
    for (std::size_t i = 0; i < 9; ++i) {
        r.textes.push_back(f.contrôle(i).texte());
        r.bulles.push_back(f.contrôle(i).bulle());
    }
    return r;
}

/// Writes a language file of the program's directory, in Windows-1252 as they are.
std::string écrireLangue(const EnvironnementEssai& env, const std::string& nom, std::string_view texte) {
    return env.écrire("programme/" + nom, versWindows1252(texte));
}

const std::vector<std::string> textesFrançais = {"Tolérance", "Défaut", "xdg-open", "Avec formules", "", "", "", "Jour", "Groupe"};

TEST(Traducteur, SansFichierDeLangueToutResteEnFrancais) {
    EnvironnementEssai env;
    const Résultat r = traduire(fenêtreOptions());
    EXPECT_EQ(r.titre, "Options");
    EXPECT_EQ(r.textes, textesFrançais);
    EXPECT_EQ(r.bulles, std::vector<std::string>(9));
    EXPECT_EQ(r.boutons, std::vector<std::string>(2));
    EXPECT_EQ(Traduire("frmOptions", "Pas de mise à jour"), "Pas de mise à jour");
}

TEST(Traducteur, OrdreDeRecherche) {
    struct Cas {
        const char* nom;
        const char* principal;  // Vantorelle.lng, nullptr when missing
        const char* partagé;    // Shared.lng, nullptr when missing
        Résultat attendu;
    };
    const std::vector<std::string> vides(9);
    const Cas cas[] = {
        {"le titre du fichier principal", "[frmOptions]\r\nCaption=Settings\r\n", "[frmOptions]\r\nCaption=Réglages\r\n",
         {"Settings", textesFrançais, vides, {"", ""}, {"", ""}}},
        {"Shared.lng quand le principal manque", nullptr, "[frmOptions]\r\nCaption=Settings\r\n",
         {"Settings", textesFrançais, vides, {"", ""}, {"", ""}}},
        {"Shared.lng quand le principal n'a pas l'entrée", "[frmOptions]\r\nAutre=x\r\n",
         "[frmOptions]\r\nCaption=Settings\r\n", {"Settings", textesFrançais, vides, {"", ""}, {"", ""}}},
        {"Shared.lng quand l'entrée du principal est vide", "[frmOptions]\r\nCaption=\r\n",
         "[frmOptions]\r\nCaption=Settings\r\n", {"Settings", textesFrançais, vides, {"", ""}, {"", ""}}},
        {"le nom du contrôle avant son texte",
         "[frmOptions]\r\nlblTolérance=Tolerance\r\nTolérance=Ignored\r\nDéfaut=Default\r\nxdg-open=Opener\r\n"
         "Jour=Day\r\nfraGroupe=Group\r\nGroupe=Ignored\r\n",
         nullptr,
         {"Options", {"Tolerance", "Default", "Opener", "Avec formules", "", "", "", "Day", "Group"}, vides, {"", ""}, {"", ""}}},
        {"les boutons et colonnes seulement sans entrée au nom",
         "[frmOptions]\r\nGenerer=Run\r\nCode=Code (ISIN)\r\nNom=Name\r\nlvValeurs=ignorée\r\n", nullptr,
         {"Options", textesFrançais, vides, {"Run", ""}, {"", ""}}},
        {"un contrôle sans titre garde le sien, pas sa bulle",
         "[frmOptions]\r\npicLogo=Logo\r\npicLogo.ToolTipText=Our logo\r\n", nullptr,
         {"Options", textesFrançais, {"", "", "", "", "", "", "Our logo", "", ""}, {"", ""}, {"", ""}}},
        {"la case et sa bulle", "[frmOptions]\r\nchkX=Texte\r\nchkX.ToolTipText=Aide\r\n", nullptr,
         {"Options", {"Tolérance", "Défaut", "xdg-open", "Texte", "", "", "", "Jour", "Groupe"},
          {"", "", "", "Aide", "", "", "", "", ""}, {"", ""}, {"", ""}}},
        {"les bulles de tous les contrôles, des deux fichiers",
         "[frmOptions]\r\ntbBarre.ToolTipText=Bar\r\nlblTolérance=Tolerance\r\n",
         "[frmOptions]\r\nlblTolérance.ToolTipText=Size\r\nlvValeurs.ToolTipText=List\r\n",
         {"Options", {"Tolerance", "Défaut", "xdg-open", "Avec formules", "", "", "", "Jour", "Groupe"},
          {"Size", "", "", "", "Bar", "List", "", "", ""}, {"", ""}, {"", ""}}},
        {"les sections et clés sans égard à la casse, en Windows-1252",
         "[FRMOPTIONS]\r\nCMDDÉFAUT=Défaut !\r\n", nullptr,
         {"Options", {"Tolérance", "Défaut !", "xdg-open", "Avec formules", "", "", "", "Jour", "Groupe"}, vides, {"", ""}, {"", ""}}},
        {"un fichier abîmé traduit ce qu'il peut",
         "n'importe quoi\r\n[frmAutre]\r\nCaption=Other\r\n[frmOptions\r\n[frmOptions]\r\nsans égal\r\n=\r\nCaption=Settings\r\n", nullptr,
         {"Settings", textesFrançais, vides, {"", ""}, {"", ""}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EnvironnementEssai env;
        if (c.principal) écrireLangue(env, "Vantorelle.lng", c.principal);
        if (c.partagé) écrireLangue(env, "Shared.lng", c.partagé);
        const Résultat r = traduire(fenêtreOptions());
        EXPECT_EQ(r.titre, c.attendu.titre);
        EXPECT_EQ(r.textes, c.attendu.textes);
        EXPECT_EQ(r.bulles, c.attendu.bulles);
        EXPECT_EQ(r.boutons, c.attendu.boutons);
        EXPECT_EQ(r.colonnes, c.attendu.colonnes);
    }
}

TEST(Traducteur, LesColonnesDUneListe) {
    EnvironnementEssai env;
    écrireLangue(env, "Shared.lng", "[frmOptions]\r\nNom=Name\r\nArreter=Stop\r\n");
    const Résultat r = traduire(fenêtreOptions());
    EXPECT_EQ(r.colonnes, (std::vector<std::string>{"", "Name"}));
    EXPECT_EQ(r.boutons, (std::vector<std::string>{"", "Stop"}));
}

TEST(Traducteur, UneProprieteRefuseeNArretePasLaTraduction) {
    EnvironnementEssai env;
    écrireLangue(env, "Vantorelle.lng",
                 "[frmOptions]\r\nlblTolérance=Tolerance\r\nlblTolérance.ToolTipText=Size\r\nDéfaut=Default\r\n");
    FenêtreFactice f = fenêtreOptions();
    f.contrôle(0).refuserLeTexte();
    TraduireFormulaire(f);
    EXPECT_EQ(f.contrôle(0).texte(), "Tolérance");
    EXPECT_EQ(f.contrôle(0).bulle(), "Size");
    EXPECT_EQ(f.contrôle(1).texte(), "Default");
}

TEST(Traducteur, TraduireUnMessage) {
    EnvironnementEssai env;
    écrireLangue(env, "Vantorelle.lng", "[frmInterface]\r\nPrêt=Ready\r\n");
    écrireLangue(env, "Shared.lng", "[frmAPropos]\r\nPas de mise à jour=No update\r\n");
    EXPECT_EQ(Traduire("frmInterface", "Prêt"), "Ready");
    EXPECT_EQ(Traduire("frmAPropos", "Pas de mise à jour"), "No update");
    EXPECT_EQ(Traduire("frmInterface", "Pas de mise à jour"), "Pas de mise à jour");
    EXPECT_EQ(LireTraduction("frmInterface", "Inconnu"), "");
}

TEST(Traducteur, UnFichierModifieEstReluALaTraductionSuivante) {
    EnvironnementEssai env;
    const std::string chemin = env.écrire("programme/Vantorelle.lng", "[frmOptions]\r\nCaption=AAAA\r\n");
    EXPECT_EQ(traduire(fenêtreOptions()).titre, "AAAA");
    env.écrire("programme/Vantorelle.lng", "[frmOptions]\r\nCaption=BBBB\r\n");  // same size, same moment
    EXPECT_EQ(traduire(fenêtreOptions()).titre, "BBBB");

    test::vieillir(chemin);  // now kept between translations
    EXPECT_EQ(traduire(fenêtreOptions()).titre, "BBBB");
    env.écrire("programme/Vantorelle.lng", "[frmOptions]\r\nCaption=CCCC\r\n");
    EXPECT_EQ(traduire(fenêtreOptions()).titre, "CCCC");
}

}  // namespace
}  // namespace vantorelle
