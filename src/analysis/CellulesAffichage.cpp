#include "analysis/CellulesAffichage.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "analysis/BourseCollection.h"
#include "store/Arrondi.h"
#include "store/Erreur.h"
#include "store/TexteNombre.h"

namespace vantorelle {

namespace {

/// True for the kinds an operation with a single keeps in single.
bool enSimplePossible(const Valeur& v) {
    switch (v.genre()) {
        case Genre::Simple:
        case Genre::Entier:
        case Genre::Booléen:
        case Genre::Vide:
            return true;
        default:
            return false;
    }
}

/// Round2(100 × (a − b) / base): in single, step by step, when the three values allow it; else in double.
/// Each single step is taken in double and rounded once to a float, which gives the single's own result.
float variationEnPourcentage(const Valeur& a, const Valeur& b, const Valeur& base) {
    if (enSimplePossible(a) && enSimplePossible(b) && enSimplePossible(base)) {
        const float écart = versSimple(static_cast<double>(a.enSimple()) - b.enSimple());
        const float cent = versSimple(100 * static_cast<double>(écart));
        return Round2(versSimple(static_cast<double>(cent) / base.enSimple()));
    }
    return Round2(100 * (a.enDouble() - b.enDouble()) / base.enDouble());
}

/// Appends the value in a fixed format such as "00.00": a single from its 7-digit text, any other number as
/// a double.
void ajouterFormaté(std::string& cellule, const Valeur& v, std::string_view format) {
    if (const float* valeur = std::get_if<float>(&v.contenu()))
        ajouterFormat(cellule, *valeur, format);
    else
        ajouterFormat(cellule, v.enDouble(), format);
}

/// '=' for no trend, '/' for a rising one, '\' for anything else.
char signeDeTendance(const Valeur& tendance) {
    const double code = tendance.enDouble();
    if (code == 0) return '=';
    if (code == 2) return '/';
    return '\\';
}

/// Reads the value as the formatting will, so that a value that is no number fails now.
void lisible(const Valeur& v) { static_cast<void>(v.enDouble()); }

}  // namespace

CellulesAffichage CellulesAffichage::variation(const BourseCollection& bc, const Fonction& x,
                                               const Fonction& tendance) {
    if (x.Longueur() <= 1) return CellulesAffichage(Sorte::Aucune, x, 0);
    CellulesAffichage c(Sorte::Variation, x, bc.Nombre);
    c.pièces_.resize(static_cast<std::size_t>(std::max(bc.Nombre, 1)) + 1);
    for (std::int32_t k = 2; k <= bc.Nombre; ++k) {
        const Valeur& avant = x.Item(k - 1);
        const Valeur& après = x.Item(k);
        lisible(après);
        if (avant.enDouble() == 0 || après.enDouble() == 0) continue;
        Pièce& p = c.pièces_[static_cast<std::size_t>(k)];
        p.tendance = signeDeTendance(tendance.Item(k));
        p.signe = après.enDouble() >= avant.enDouble() ? '+' : '-';
    }
    return c;
}

CellulesAffichage CellulesAffichage::variationMoyenne(const BourseCollection& bc, const Fonction& x,
                                                      const TendanceEtMoyenne& indicateurs, std::string format) {
    if (x.Longueur() < 6) return CellulesAffichage(Sorte::Aucune, x, 0);
    const Fonction& moyenne = indicateurs.moyenne;
    const Fonction& tendance = indicateurs.tendance;
    if (moyenne.Longueur() == 0) return CellulesAffichage(Sorte::Aucune, x, 0);
    CellulesAffichage c(Sorte::Moyenne, x, bc.Nombre);
    c.format_ = std::move(format);
    c.pièces_.resize(static_cast<std::size_t>(std::max(bc.Nombre, 0)) + 1);
    for (std::int32_t i = 1; i <= bc.Nombre; ++i) {
        const Valeur& v = x.Item(i);
        lisible(v);
        Pièce& p = c.pièces_[static_cast<std::size_t>(i)];
        p.tendance = signeDeTendance(tendance.Item(i));
        p.signe = v.enDouble() >= moyenne.Item(i).enDouble() ? '>' : '<';
    }
    c.moyenne_ = &moyenne;
    return c;
}

std::string CellulesAffichage::texte(std::int32_t i) const {
    std::string cellule;
    écrire(i, cellule);
    return cellule;
}

void CellulesAffichage::écrire(std::int32_t i, std::string& cellule) const {
    if (sorte_ == Sorte::Aucune) {
        cellule = Fonction().Item(i).texte();
        return;
    }
    if (i < 1 || i > std::max(nombre_, 1)) throw ErreurIndice();
    if (sorte_ == Sorte::Variation && i == 1) {
        cellule = x_->Item(1).texte();
        return;
    }
    cellule.clear();
    if (i > nombre_) return;
    const Pièce& p = pièces_[static_cast<std::size_t>(i)];
    const Valeur& v = x_->Item(i);
    ajouterFormaté(cellule, v, sorte_ == Sorte::Variation ? std::string_view("00.00") : format_);
    if (p.signe == 0) return;
    cellule += " (";
    cellule += p.tendance;
    cellule += p.signe;
    if (sorte_ == Sorte::Variation) {
        // The move is worked out for the cells shown only: its values were read when the cells were made.
        const Valeur& avant = x_->Item(i - 1);
        const float écart = p.signe == '+' ? variationEnPourcentage(v, avant, avant)
                                           : variationEnPourcentage(avant, v, avant);
        ajouterTexteSimple(cellule, std::fabs(écart));
        cellule += "%)";
    } else {
        const Valeur& moyenne = moyenne_->Item(i);
        if (const float* simple = std::get_if<float>(&moyenne.contenu()))
            ajouterTexteSimple(cellule, *simple);
        else
            cellule += moyenne.texte();
        cellule += ')';
    }
}

Fonction CellulesAffichage::série() const {
    Fonction r;
    if (sorte_ == Sorte::Aucune) return r;
    r.Allouer(nombre_);
    if (sorte_ == Sorte::Variation) r.Ajouter(x_->Item(1));
    for (std::int32_t i = sorte_ == Sorte::Variation ? 2 : 1; i <= nombre_; ++i) r.Ajouter(texte(i));
    return r;
}

Fonction BourseCollection::Variation(const Fonction& x) const {
    if (x.Longueur() <= 1) return Fonction();
    return CellulesAffichage::variation(*this, x, x.Tendance(période())).série();
}

Fonction BourseCollection::VariationMoyenne(const Fonction& x, const std::string& format) const {
    if (x.Longueur() < 6) return Fonction();
    return CellulesAffichage::variationMoyenne(*this, x, tendanceEtMoyenne(x, période()), format).série();
}

}  // namespace vantorelle
