#include "shell/Traducteur.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "store/Encodage.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

/// A control that writes down in the journal what the translation does to it.
struct ContrôleFactice : ContrôleTraduisible {
    using Clés = std::vector<std::string>;
    ContrôleFactice(std::string& journal, std::string nom, GenreContrôle genre, std::string texte, Clés clés = {})
        : journal_(journal), nom_(std::move(nom)), texte_(std::move(texte)), genre_(genre), clés_(std::move(clés)) {}
    std::string nom() const override { return nom_; }
    GenreContrôle genre() const override { return genre_; }
    std::string texte() const override { return texte_; }
    void changerTexte(const std::string& t) override { journal_ += refuse ? throw std::runtime_error("refus") : nom_ + "=" + t + ";"; }
    void changerInfoBulle(const std::string& bulle) override { journal_ += nom_ + ".bulle=" + bulle + ";"; }
    Clés clésBoutons() const override { return genre_ == GenreContrôle::BarreOutils ? clés_ : Clés(); }
    void changerInfoBulleBouton(std::size_t i, const std::string& bulle) override { changerTitreColonne(i, bulle); }
    Clés clésColonnes() const override { return genre_ == GenreContrôle::ListeVue ? clés_ : Clés(); }
    void changerTitreColonne(std::size_t i, const std::string& t) override { journal_ += nom_ + "." + std::to_string(i) + "=" + t + ";"; }
    bool refuse = false;
    std::string& journal_;
    std::string nom_, texte_;
    GenreContrôle genre_;
    Clés clés_;
};

/// The options window, in French.
struct FenêtreFactice : FenêtreTraduisible {
    FenêtreFactice() {
        using enum GenreContrôle;
        for (auto [nom, genre, texte] : {std::tuple{"lblTolérance", Libellé, "Tolérance"}, {"cmdDéfaut", Bouton, "Défaut"},
                                         {"txtEditeur", ZoneTexte, "xdg-open"}, {"chkX", CaseÀCocher, "Avec formules"},
                                         {"picLogo", Autre, ""}, {"optJour", BoutonOption, "Jour"},
                                         {"fraGroupe", Cadre, "Groupe"}})
            liste.emplace_back(new ContrôleFactice(journal, nom, genre, texte));
        liste.emplace_back(new ContrôleFactice(journal, "tbBarre", BarreOutils, "", {"Generer", "Arreter"}));
        liste.emplace_back(new ContrôleFactice(journal, "lvValeurs", ListeVue, "", {"Code", "Nom"}));
    }
    std::string nom() const override { return "frmOptions"; }
    void changerTitre(const std::string& titre) override { journal += "Caption=" + titre + ";"; }
    std::vector<ContrôleTraduisible*> contrôles() override {
        std::vector<ContrôleTraduisible*> c;
        for (auto& contrôle : liste) c.push_back(contrôle.get());
        return c;
    }
    std::string journal;
    std::vector<std::unique_ptr<ContrôleFactice>> liste;
};

/// What the translation did to the options window, the first control refusing its text when asked.
std::string traduire(const EnvironnementEssai& env, bool refus = false) {
    FenêtreFactice f;
    f.liste[0]->refuse = refus;
    TraduireFormulaire(env.emplacements(), f);
    return f.journal;
}

// The main file first, then Shared.lng when the main one lacks the entry or has it empty; a control's entry
// by name before the one by its text, the buttons' and columns' only without an entry by name.
TEST(Traducteur, WhereTranslationsAreFound) {
    struct Cas { const char *principal, *partagé; bool refus; const char* attendu; };  // Vantorelle.lng, Shared.lng or nullptr
    const Cas cas[] = {
        {nullptr, nullptr, false, ""},
        {"[frmOptions]\r\nCaption=Settings\r\n", "[frmOptions]\r\nCaption=Réglages\r\n", false, "Caption=Settings;"},
        {nullptr, "[frmOptions]\r\nCaption=Settings\r\n", false, "Caption=Settings;"},
        {"[frmOptions]\r\nAutre=x\r\n", "[frmOptions]\r\nCaption=Settings\r\n", false, "Caption=Settings;"},
        {"[frmOptions]\r\nCaption=\r\n", "[frmOptions]\r\nCaption=Settings\r\n", false, "Caption=Settings;"},
        {"[frmOptions]\r\nlblTolérance=Tolerance\r\nTolérance=Ignored\r\nDéfaut=Default\r\nxdg-open=Opener\r\nJour=Day\r\n"
         "fraGroupe=Group\r\nGroupe=Ignored\r\n", nullptr, false,
         "lblTolérance=Tolerance;cmdDéfaut=Default;txtEditeur=Opener;optJour=Day;fraGroupe=Group;"},
        {"[frmOptions]\r\nGenerer=Run\r\nCode=Code (ISIN)\r\nNom=Name\r\nlvValeurs=ignorée\r\n", nullptr, false,
         "tbBarre.0=Run;"},
        {nullptr, "[frmOptions]\r\nNom=Name\r\nArreter=Stop\r\n", false, "tbBarre.1=Stop;lvValeurs.1=Name;"},
        // A control without a caption keeps its own, not its tip.
        {"[frmOptions]\r\npicLogo=Logo\r\npicLogo.ToolTipText=Our logo\r\nchkX=Texte\r\nchkX.ToolTipText=Aide\r\n", nullptr,
         false, "chkX=Texte;chkX.bulle=Aide;picLogo.bulle=Our logo;"},
        {"[frmOptions]\r\ntbBarre.ToolTipText=Bar\r\nlblTolérance=Tolerance\r\n",
         "[frmOptions]\r\nlblTolérance.ToolTipText=Size\r\nlvValeurs.ToolTipText=List\r\n", false,
         "lblTolérance=Tolerance;lblTolérance.bulle=Size;tbBarre.bulle=Bar;lvValeurs.bulle=List;"},
        {"[FRMOPTIONS]\r\nCMDDÉFAUT=Défaut !\r\n", nullptr, false, "cmdDéfaut=Défaut !;"},  // without regard to case
        {"n'importe quoi\r\n[frmAutre]\r\nCaption=Other\r\n[frmOptions\r\n[frmOptions]\r\nsans égal\r\n=\r\n"
         "Caption=Settings\r\n", nullptr, false, "Caption=Settings;"},
        // A property that refuses its value does not stop the translation.
        {"[frmOptions]\r\nlblTolérance=Tolerance\r\nlblTolérance.ToolTipText=Size\r\nDéfaut=Default\r\n", nullptr, true,
         "lblTolérance.bulle=Size;cmdDéfaut=Default;"},
    };
    for (const Cas& c : cas) {
        EnvironnementEssai env;
        // Windows-1252, as language files are.
        if (c.principal) env.écrire("programme/Vantorelle.lng", versWindows1252(c.principal));
        if (c.partagé) env.écrire("programme/Shared.lng", versWindows1252(c.partagé));
        EXPECT_EQ(traduire(env, c.refus), c.attendu) << (c.principal ? c.principal : "") << (c.partagé ? c.partagé : "");
    }
}

TEST(Traducteur, MessagesAndAChangedFileReadAgain) {
    EnvironnementEssai env;
    const std::string chemin = env.écrire("programme/Vantorelle.lng", "[frmOptions]\r\nCaption=AAAA\r\n");
    EXPECT_EQ(traduire(env), "Caption=AAAA;");
    EXPECT_EQ(Traduire(env.emplacements(), "frmOptions", "Caption") + "|" + Traduire(env.emplacements(), "frmOptions", "Pas de mise à jour") + "|" +
                  LireTraduction(env.emplacements(), "frmOptions", "Pas de mise à jour"), "AAAA|Pas de mise à jour|");
    env.écrire("programme/Vantorelle.lng", "[frmOptions]\r\nCaption=BBBB\r\n");  // same size, same moment
    EXPECT_EQ(traduire(env), "Caption=BBBB;");
    vieillir(chemin);  // now kept between translations
    EXPECT_EQ(traduire(env), "Caption=BBBB;");
    env.écrire("programme/Vantorelle.lng", "[frmOptions]\r\nCaption=CCCC\r\n");
    EXPECT_EQ(traduire(env), "Caption=CCCC;");
}

}  // namespace
}  // namespace vantorelle::test
