#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "OutilsSeries.h"

namespace vantorelle {
namespace {

using test::Cours;
using test::Scène;

const std::vector<std::string> constantesEssai = {
    "ChandelierHaussier=1", "3CorbeauxNoirs=118", "EtoileDuSoir=115", "Marteau=208", "MarteauInversé=207",
    "8a10NouveauxHauts=120", "Doji=300", "Indéterminée=400"};

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
            if (chance(0.4)) nom += un(std::vector<std::string>{"[-1]", "[-2]", "[-3]", "[-10]", "[-1]", "[-2]", "[-0]", "[-01]"});
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
        if (sorte < 2) {
            std::string groupe = "(";
            groupe += expression(formules, profondeur - 1);
            return groupe += ")";
        }
        if (sorte < 4) {
            std::string signé = un(std::vector<std::string>{"-", "Not ", "+"});
            return signé += expression(formules, profondeur - 1);
        }
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

    Valeur prix() {
        if (chance(0.05)) return un(std::vector<Valeur>{12.35f, 0.1f, 1e7f, 12345678.0f, 1.5e-5f, 0.0f, -2.5f});
        return static_cast<float>(entier(-50, 5000) / 100.0);
    }

    Cours titre() {
        Cours c;
        c.n = entier(8, 40);
        const auto remplir = [&](std::vector<Valeur>& colonne, auto valeur) {
            const int longueur = chance(0.2) ? entier(0, c.n) : c.n;
            for (int p = 0; p < longueur; ++p) colonne.push_back(valeur());
        };
        remplir(c.date, [&] {
            std::string date = "2024";
            return Valeur(date += std::to_string(1000 + entier(101, 1231)).substr(1));
        });
        for (auto* col : {&c.nom, &c.maximum, &c.minimum, &c.clôture}) remplir(*col, [&] { return prix(); });
        remplir(c.volume, [&] { return Valeur(Monnaie{entier(0, 3) == 0 ? 0 : entier(0, 2000000) * 5}); });
        remplir(c.chandeliers, [&] { return Valeur(un(std::vector<std::int32_t>{100, 115, 118, 200, 207, 208, 400})); });
        remplir(c.volatilité, [&] { return Valeur(static_cast<float>(entier(-900, 900) / 100.0)); });
        remplir(c.pondération, [&] { return Valeur(static_cast<std::int16_t>(entier(0, 4))); });
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
