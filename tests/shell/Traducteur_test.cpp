#include "shell/Traducteur.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>
#include <vector>

#include "store/Encodage.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

using Clés = std::vector<std::string>;

/// A control that writes down in the journal what the translation does to it. Its text is its name without
/// the three letters of its kind; only a toolbar has buttons, only a list view columns.
struct ContrôleFactice : ContrôleTraduisible {
    ContrôleFactice(std::string& journal, std::string nom, GenreContrôle genre)
        : journal_(journal), nom_(std::move(nom)), genre_(genre) {}
    std::string nom() const override { return nom_; }
    GenreContrôle genre() const override { return genre_; }
    std::string texte() const override { return nom_.substr(3); }
    void changerTexte(const std::string& t) override { noter(refuse ? throw std::runtime_error("refus") : "=" + t); }
    void changerInfoBulle(const std::string& bulle) override { noter(".bulle=" + bulle); }
    Clés clésBoutons() const override { return genre_ == GenreContrôle::BarreOutils ? Clés{"Generer", "Arreter"} : Clés(); }
    void changerInfoBulleBouton(std::size_t i, const std::string& bulle) override { changerTitreColonne(i, bulle); }
    Clés clésColonnes() const override { return genre_ == GenreContrôle::ListeVue ? Clés{"Code", "Nom"} : Clés(); }
    void changerTitreColonne(std::size_t i, const std::string& t) override {
        journal_ += nom_ + "." + std::to_string(i) + "=" + t + ";";
    }
    void noter(const std::string& changement) { journal_ += nom_ + changement + ";"; }
    bool refuse = false;
    std::string& journal_;
    std::string nom_;
    GenreContrôle genre_;
};

/// The options window, in French.
struct FenêtreFactice : FenêtreTraduisible {
    std::string nom() const override { return "frmOptions"; }
    void changerTitre(const std::string& titre) override { journal += "Caption=" + titre + ";"; }
    std::vector<ContrôleTraduisible*> contrôles() override {
        std::vector<ContrôleTraduisible*> c;
        for (ContrôleFactice& contrôle : liste) c.push_back(&contrôle);
        return c;
    }
    std::string journal;
    std::vector<ContrôleFactice> liste;
};

/// What the translation did to the options window, whose first control refuses any text.
std::string traduire(const EnvironnementEssai& env) {
    using enum GenreContrôle;
    FenêtreFactice f;
    for (auto [nom, genre] : {std::pair{"lblTolérance", Libellé}, {"cmdDéfaut", Bouton}, {"picLogo", Autre},
                              {"tbBarre", BarreOutils}, {"lvValeurs", ListeVue}})
        f.liste.emplace_back(f.journal, nom, genre);
    f.liste[0].refuse = true;
    TraduireFormulaire(env.emplacements(), f);
    return f.journal;
}

// The main file first, then Shared.lng when the main one lacks the entry or has it empty. A control's entry by
// name before the one by its text; a control without a caption keeps its own. A property that refuses its value
// does not stop the translation.
TEST(Traducteur, WhereTranslationsAreFound) {
    // The [frmOptions] section of Vantorelle.lng and of Shared.lng, or no file, and the translation.
    const std::tuple<const char*, const char*, const char*> cas[] = {{nullptr, nullptr, ""},
        {"Caption=Settings\r\nDéfaut=", "Caption=Réglages\r\nDéfaut=Default", "Caption=Settings;cmdDéfaut=Default;"},
        {"lblTolérance=T\r\nlblTolérance.ToolTipText=Size\r\ncmdDéfaut=OK\r\nDéfaut=Default\r\npicLogo=Logo\r\n"
         "picLogo.ToolTipText=Logo", nullptr, "lblTolérance.bulle=Size;cmdDéfaut=OK;picLogo.bulle=Logo;"},
        {"Generer=Run\r\nNom=Name", "Arreter=Stop", "tbBarre.0=Run;tbBarre.1=Stop;lvValeurs.1=Name;"}};
    for (const auto& [principal, partagé, attendu] : cas) {
        EnvironnementEssai env;
        // Windows-1252, as language files are.
        for (auto [fichier, section] : {std::pair{"programme/Vantorelle.lng", principal}, {"programme/Shared.lng", partagé}})
            if (section) env.écrire(fichier, versWindows1252(std::string("[frmOptions]\r\n") + section));
        EXPECT_EQ(traduire(env), attendu) << (principal ? principal : "") << (partagé ? partagé : "");
    }
}

// A message is its own translation when there is none. A file rewritten at the same size within the same
// second is read again, and so is one that changes after a while.
TEST(Traducteur, MessagesAndAChangedFileReadAgain) {
    EnvironnementEssai env;
    const std::string chemin = env.écrire("programme/Vantorelle.lng", "[frmOptions]\r\nCaption=AAAA\r\n");
    EXPECT_EQ(Traduire(env.emplacements(), "frmOptions", "Caption"), "AAAA");
    EXPECT_EQ(Traduire(env.emplacements(), "frmOptions", "Pas de mise à jour"), "Pas de mise à jour");
    env.écrire("programme/Vantorelle.lng", "[frmOptions]\r\nCaption=BBBB\r\n");
    EXPECT_EQ(traduire(env), "Caption=BBBB;");
    vieillir(chemin);  // now kept between translations, until it changes
    env.écrire("programme/Vantorelle.lng", "[frmOptions]\r\nCaption=CCCC\r\n");
    EXPECT_EQ(traduire(env), "Caption=CCCC;");
}

}  // namespace
}  // namespace vantorelle::test
