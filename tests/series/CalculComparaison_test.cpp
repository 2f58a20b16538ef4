// The fast paths against their plain twins: a value read without its text, and a formula compiled.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "OutilsSeries.h"
#include "series/LectureCase.h"

namespace vantorelle {
namespace {

using test::Cours;
using test::Scène;

void vérifierCommeLeTexte(const Valeur& v) {
    const CaseLue directe = LectureCase::lire(v), parLeTexte = LectureCase::lireTexte(v.texte());
    ASSERT_EQ(directe.état, parLeTexte.état) << v.texte();
    EXPECT_EQ(directe.valeur.grandeur, parLeTexte.valeur.grandeur) << v.texte();
    EXPECT_EQ(directe.valeur.booléen, parLeTexte.valeur.booléen) << v.texte();
    EXPECT_EQ(directe.valeur.négatif, parLeTexte.valeur.négatif) << v.texte();
}

TEST(LectureCase, AValueReadsAsTheNumberItsTextGives) {
    const Valeur cas[] = {
        0.0f, -0.0f, 1e7f, 9999999.0f, 12345678.0f, 1234566.5f, 1.5e-5f, 1e-5f, 9.99999e-6f, 1e15f, 9.9999e14f, 3.4e38f,
        1e-40f, Monnaie{15000000}, Monnaie{-25000}, Monnaie{1}, Monnaie{0}, true, false, Valeur(),
        std::int16_t{-3}, std::int16_t{0}, std::int32_t{2147483647}, std::int32_t{-2147483647 - 1},
    };
    for (const Valeur& v : cas) vérifierCommeLeTexte(v);
    std::mt19937 aléa(7);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::uniform_int_distribution<int> centimes(-1000000, 1000000);
    for (int n = 0; n < 200000; ++n) {
        const float quelconque = std::bit_cast<float>(bits(aléa));
        if (std::isfinite(quelconque)) vérifierCommeLeTexte(quelconque);
        vérifierCommeLeTexte(static_cast<float>(centimes(aléa) / 100.0));
    }
    const std::pair<const char*, CaseLue::État> textes[] = {
        {"", CaseLue::État::Texte},       {"x", CaseLue::État::Texte},       {"1e5", CaseLue::État::Texte},
        {"+3", CaseLue::État::Texte},     {"1,2,3", CaseLue::État::Texte},   {"vrai", CaseLue::État::Texte},
        {"NO_EVAL", CaseLue::État::Échec}, {"1E+400", CaseLue::État::Échec}, {"-1,5E-05", CaseLue::État::Lisible},
    };
    for (const auto& [texte, état] : textes) EXPECT_EQ(LectureCase::lireTexte(texte).état, état) << texte;
}

// Names starting with a digit or with "E", and a name inside another.
const std::vector<std::string> constantesEssai = {"3CorbeauxNoirs=118", "EtoileDuSoir=115", "Marteau=208",
                                                  "MarteauInversé=207", "8a10NouveauxHauts=120"};

const std::vector<std::string> nomsOrdinaires = {"Hausse", "hausse", "Achat", "Vente", "Signal", "B2", "Nom2",
                                                 "Croisement", "Force", "Tendance2", "Rebond", "Cassure"};
// Names chosen to overlap: parts of the series' names, of "Vrai", "Faux", "NO_EVAL" and of number texts.
const std::vector<std::string> nomsPiégés = {"Hausse", "hausse", "Vol", "Clô", "a", "r", "Vr", "ai", "E", "x",
                                             "Max", "Mini", "N", "O_E", "Fa", "ux", "S", "e", "5", "1,5", "V",
                                             "i", "EVAL", "Doji", "Marteau", "u"};

class Générateur {
public:
    explicit Générateur(std::uint32_t graine) : aléa_(graine) {}

    int entier(int min, int max) { return std::uniform_int_distribution<int>(min, max)(aléa_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(aléa_); }
    template <class T>
    const T& un(const std::vector<T>& v) { return v[static_cast<std::size_t>(entier(0, static_cast<int>(v.size()) - 1))]; }

    std::string terme(const std::vector<std::string>& formules) {
        const int sorte = entier(0, 39);
        if (sorte < 20) {
            std::string nom = chance(0.2) && !formules.empty() ? un(formules) : un(Fonctions::nomsPubliés());
            if (chance(0.4))
                nom += un(std::vector<std::string>{"[-1]", "[-2]", "[-3]", "[-10]", "[-1]", "[-2]", "[-0]", "[-01]"});
            return nom;
        }
        if (sorte < 30) return un(std::vector<std::string>{"1", "0,5", "12.35", "1E+2", "2", "0", "100", ".5", "3,", "-1"});
        if (sorte < 34) return Fonctions::NomCst(un(constantesEssai));
        if (sorte < 38) return un(std::vector<std::string>{"Vrai", "Faux", "True", "faux"});
        if (sorte < 39) return "[-1]";
        return un(std::vector<std::string>{"[", "]", "$", ",", ""});
    }

    std::string expression(const std::vector<std::string>& formules, int profondeur) {
        if (profondeur <= 0 || chance(0.3)) return terme(formules);
        const int sorte = entier(0, 19);
        // Built by appending: GCC 12 warns wrongly on a literal put in front of a temporary string.
        if (sorte < 2) return std::string("(").append(expression(formules, profondeur - 1)).append(")");
        if (sorte < 4)
            return std::string(un(std::vector<std::string>{"-", "Not ", "+"})).append(expression(formules, profondeur - 1));
        if (sorte < 5) return expression(formules, profondeur - 1) + " " + expression(formules, profondeur - 1);
        static const std::vector<std::string> opérateurs = {"+", "-", "*", "/", "\\", "Mod", "^", "=", "<>", "<",
                                                            ">", "<=", ">=", "And", "Or", "Xor"};
        const std::string espace = chance(0.9) ? " " : "";
        return expression(formules, profondeur - 1) + espace + un(opérateurs) + espace +
               expression(formules, profondeur - 1);
    }

    std::vector<std::string> fichier(int nombre, const std::vector<std::string>& nomsPossibles) {
        std::vector<std::string> noms;
        while (static_cast<int>(noms.size()) < nombre) {
            const std::string& nom = un(nomsPossibles);
            if (std::find(noms.begin(), noms.end(), nom) == noms.end()) noms.push_back(nom);
        }
        std::vector<std::string> lignes;
        for (const std::string& nom : noms) lignes.push_back(nom + "=" + expression(noms, 3));
        return lignes;
    }

    Valeur valeur(const std::string& série) {
        if (série == "Date") return Valeur("2024" + std::to_string(1000 + entier(101, 1231)).substr(1));
        if (série == "Volume") return Monnaie{entier(0, 3) == 0 ? 0 : entier(0, 2000000) * 5};
        if (série == "Chandeliers") return un(std::vector<std::int32_t>{100, 115, 118, 200, 207, 208, 400});
        if (série.empty()) return static_cast<float>(entier(-900, 900) / 100.0);
        if (série == "Pondération") return static_cast<std::int16_t>(entier(0, 4));
        if (chance(0.05)) return un(std::vector<Valeur>{12.35f, 0.1f, 1e7f, 12345678.0f, 1.5e-5f, 0.0f, -2.5f});
        return static_cast<float>(entier(-50, 5000) / 100.0);
    }

    Cours titre() {
        Cours c{entier(8, 40)};
        for (const char* série : Scène::noms) {
            const int longueur = chance(0.2) ? entier(0, c.n) : c.n;
            for (int p = 0; p < longueur; ++p) c.colonnes[série].push_back(valeur(série));
        }
        return c;
    }

private:
    std::mt19937 aléa_;
};

TEST(CompiledFormulas, CompiledGivesTheTextsValuesOnGeneratedFormulas) {
    // GRAINE=n in the environment generates another set.
    const char* graine = std::getenv("GRAINE");
    Générateur g(graine ? static_cast<std::uint32_t>(std::atoi(graine)) : 20240105);
    int valeurs = 0, échecs = 0;
    for (int f = 0; f < 30; ++f) {
        const std::vector<std::string> lignes = g.fichier(10, f % 2 == 0 ? nomsOrdinaires : nomsPiégés);
        Scène référence(lignes, constantesEssai);
        Scène compilée(lignes, constantesEssai);
        for (int t = 0; t < 4; ++t) {
            const Cours cours = g.titre();
            référence.évaluer(cours, Scène::Chemin::Substitution);
            compilée.évaluer(cours, Scène::Chemin::Compilé);
            for (std::int32_t j = 1; j <= static_cast<std::int32_t>(lignes.size()); ++j) {
                const auto attendu = valeursDe(référence.formule(j));
                ASSERT_EQ(valeursDe(compilée.formule(j)), attendu) << "file " << f << ", security " << t << ": "
                                                                   << lignes[static_cast<std::size_t>(j - 1)];
                valeurs += static_cast<int>(attendu.size());
                échecs += static_cast<int>(std::ranges::count(attendu, Valeur("NO_EVAL")));
            }
        }
    }
    // The generator must give the compiled path real work, not only failures.
    EXPECT_LT(échecs, valeurs * 4 / 5);
}

}  // namespace
}  // namespace vantorelle
