#include "series/Programme.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "store/Arrondi.h"

namespace vantorelle {

namespace {

std::int32_t variationDePile(Opération op) {
    switch (op) {
        case Opération::Nombre:
        case Opération::Booléen:
        case Opération::Case:
        case Opération::CaseSignée: return 1;
        case Opération::SigneCase:
        case Opération::Opposé:
        case Opération::Non: return 0;
        default: return -1;
    }
}

/// The operand of `\`, `Mod` and the bitwise operations: rounded, halves to even, within 32 bits.
std::optional<std::int64_t> entier32(const Terme& t) {
    const double r = arrondiPair(t.nombre);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int64_t>(r);
}

std::optional<Terme> nombreFini(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    return Terme::deNombre(v);
}

std::optional<Terme> puissance(double x, double y) {
    if (x == 0 && y < 0) return std::nullopt;
    if (x < 0 && std::floor(y) != y) return std::nullopt;
    return nombreFini(std::pow(x, y));
}

template <class Opérer>
std::optional<Terme> entière(const Terme& a, const Terme& b, Opérer opérer) {
    const auto x = entier32(a);
    const auto y = entier32(b);
    if (!x || !y || *y == 0) return std::nullopt;
    const std::int64_t r = opérer(*x, *y);
    if (r < INT32_MIN || r > INT32_MAX) return std::nullopt;
    return Terme::deNombre(static_cast<double>(r));
}

// Two truth values give a truth value; anything else works bit by bit on 32-bit integers.
template <class Opérer>
std::optional<Terme> logique(const Terme& a, const Terme& b, Opérer opérer) {
    if (a.booléen && b.booléen) return Terme::deBooléen(opérer(a.nombre != 0, b.nombre != 0));
    const auto x = entier32(a);
    const auto y = entier32(b);
    if (!x || !y) return std::nullopt;
    return Terme::deNombre(static_cast<std::int32_t>(opérer(static_cast<std::uint32_t>(*x), static_cast<std::uint32_t>(*y))));
}

/// Calls `appliquer` with the function of the binary operation `op`, so that a caller can loop over it.
template <class Appliquer>
void avecOpération(Opération op, Appliquer appliquer) {
    using T = const Terme&;
    switch (op) {
        case Opération::Puissance: appliquer([](T a, T b) { return puissance(a.nombre, b.nombre); }); break;
        case Opération::Produit: appliquer([](T a, T b) { return nombreFini(a.nombre * b.nombre); }); break;
        case Opération::Quotient:
            appliquer([](T a, T b) { return b.nombre == 0 ? std::nullopt : nombreFini(a.nombre / b.nombre); });
            break;
        case Opération::QuotientEntier:
            appliquer([](T a, T b) { return entière(a, b, [](std::int64_t p, std::int64_t q) { return p / q; }); });
            break;
        case Opération::Modulo:
            appliquer([](T a, T b) { return entière(a, b, [](std::int64_t p, std::int64_t q) { return p % q; }); });
            break;
        case Opération::Somme: appliquer([](T a, T b) { return nombreFini(a.nombre + b.nombre); }); break;
        case Opération::Différence: appliquer([](T a, T b) { return nombreFini(a.nombre - b.nombre); }); break;
        case Opération::Égal: appliquer([](T a, T b) { return std::optional(Terme::deBooléen(a.nombre == b.nombre)); }); break;
        case Opération::Différent: appliquer([](T a, T b) { return std::optional(Terme::deBooléen(a.nombre != b.nombre)); }); break;
        case Opération::Inférieur: appliquer([](T a, T b) { return std::optional(Terme::deBooléen(a.nombre < b.nombre)); }); break;
        case Opération::Supérieur: appliquer([](T a, T b) { return std::optional(Terme::deBooléen(a.nombre > b.nombre)); }); break;
        case Opération::InférieurOuÉgal:
            appliquer([](T a, T b) { return std::optional(Terme::deBooléen(a.nombre <= b.nombre)); });
            break;
        case Opération::SupérieurOuÉgal:
            appliquer([](T a, T b) { return std::optional(Terme::deBooléen(a.nombre >= b.nombre)); });
            break;
        case Opération::Et: appliquer([](T a, T b) { return logique(a, b, [](auto p, auto q) { return p & q; }); }); break;
        case Opération::Ou: appliquer([](T a, T b) { return logique(a, b, [](auto p, auto q) { return p | q; }); }); break;
        case Opération::OuExclusif:
            appliquer([](T a, T b) { return logique(a, b, [](auto p, auto q) { return p ^ q; }); });
            break;
        default: break;
    }
}

std::optional<Terme> non(const Terme& a) {
    if (a.booléen) return Terme::deBooléen(a.nombre == 0);
    const auto x = entier32(a);
    if (!x) return std::nullopt;
    return Terme::deNombre(static_cast<std::int32_t>(~static_cast<std::uint32_t>(*x)));
}

// A truth value is never negative, so one expression serves both kinds, without a branch.
Terme valeurDeCase(const ValeurCase& c, bool signée) {
    return {signée && c.négatif ? -c.grandeur : c.grandeur, c.booléen};
}

}  // namespace

void Programme::vider() {
    instructions_.clear();
    hauteur_ = 0;
    hauteurMaximale_ = 0;
}

void Programme::ajouter(Opération op, double nombre, std::int32_t case_) {
    instructions_.push_back({op, case_, nombre});
    hauteur_ += variationDePile(op);
    if (hauteur_ > hauteurMaximale_) hauteurMaximale_ = hauteur_;
}

std::optional<Terme> Programme::exécuter(std::span<const ValeurCase> cases) {
    if (pile_.size() < static_cast<std::size_t>(hauteurMaximale_)) pile_.resize(static_cast<std::size_t>(hauteurMaximale_));
    std::size_t hauteur = 0;
    for (const Instruction& i : instructions_) {
        switch (i.op) {
            case Opération::Nombre: pile_[hauteur++] = Terme::deNombre(i.nombre); break;
            case Opération::Booléen: pile_[hauteur++] = Terme::deBooléen(i.nombre != 0); break;
            case Opération::Case: pile_[hauteur++] = valeurDeCase(cases[static_cast<std::size_t>(i.case_)], false); break;
            case Opération::CaseSignée: pile_[hauteur++] = valeurDeCase(cases[static_cast<std::size_t>(i.case_)], true); break;
            case Opération::SigneCase:
                if (cases[static_cast<std::size_t>(i.case_)].négatif) pile_[hauteur - 1] = Terme::deNombre(-pile_[hauteur - 1].nombre);
                break;
            case Opération::Opposé: pile_[hauteur - 1] = Terme::deNombre(-pile_[hauteur - 1].nombre); break;
            case Opération::Non: {
                const auto r = non(pile_[hauteur - 1]);
                if (!r) return std::nullopt;
                pile_[hauteur - 1] = *r;
                break;
            }
            default: {
                bool réussi = true;
                Terme& a = pile_[hauteur - 2];
                const Terme& b = pile_[hauteur - 1];
                avecOpération(i.op, [&](auto opération) {
                    const auto r = opération(a, b);
                    if (r) a = *r;
                    réussi = r.has_value();
                });
                if (!réussi) return std::nullopt;
                --hauteur;
            }
        }
    }
    if (hauteur != 1) return std::nullopt;
    return pile_[0];
}

namespace {

// The common operations get loops of their own that the compiler can run without branches; each gives
// what the operation of one position gives wherever that one succeeds.

template <class Comparer>
void comparer(Terme* a, const Terme* b, std::size_t n, Comparer comparer) {
    for (std::size_t k = 0; k < n; ++k) a[k] = Terme::deBooléen(comparer(a[k].nombre, b[k].nombre));
}

template <class Calculer>
void calculer(Terme* a, const Terme* b, std::size_t n, bool* échecs, Calculer calculer) {
    for (std::size_t k = 0; k < n; ++k) {
        const double r = calculer(a[k].nombre, b[k].nombre);  // x / 0 is not finite either
        a[k] = Terme::deNombre(r);
        échecs[k] = échecs[k] || !std::isfinite(r);
    }
}

bool tousBooléens(const Terme* a, std::size_t n) {
    bool tous = true;
    for (std::size_t k = 0; k < n; ++k) tous = tous && a[k].booléen;
    return tous;
}

template <class Opérer>
bool logiqueSurBooléens(Terme* a, const Terme* b, std::size_t n, Opérer opérer) {
    if (!tousBooléens(a, n) || !tousBooléens(b, n)) return false;
    for (std::size_t k = 0; k < n; ++k) a[k] = Terme::deBooléen(opérer(a[k].nombre != 0, b[k].nombre != 0));
    return true;
}

/// A binary operation over whole columns; false when it has no loop of its own.
bool binaireEnColonnes(Opération op, Terme* a, const Terme* b, std::size_t n, bool* échecs) {
    switch (op) {
        case Opération::Produit: calculer(a, b, n, échecs, [](double x, double y) { return x * y; }); return true;
        case Opération::Quotient: calculer(a, b, n, échecs, [](double x, double y) { return x / y; }); return true;
        case Opération::Somme: calculer(a, b, n, échecs, [](double x, double y) { return x + y; }); return true;
        case Opération::Différence: calculer(a, b, n, échecs, [](double x, double y) { return x - y; }); return true;
        case Opération::Égal: comparer(a, b, n, [](double x, double y) { return x == y; }); return true;
        case Opération::Différent: comparer(a, b, n, [](double x, double y) { return x != y; }); return true;
        case Opération::Inférieur: comparer(a, b, n, [](double x, double y) { return x < y; }); return true;
        case Opération::Supérieur: comparer(a, b, n, [](double x, double y) { return x > y; }); return true;
        case Opération::InférieurOuÉgal: comparer(a, b, n, [](double x, double y) { return x <= y; }); return true;
        case Opération::SupérieurOuÉgal: comparer(a, b, n, [](double x, double y) { return x >= y; }); return true;
        case Opération::Et: return logiqueSurBooléens(a, b, n, [](bool x, bool y) { return x && y; });
        case Opération::Ou: return logiqueSurBooléens(a, b, n, [](bool x, bool y) { return x || y; });
        case Opération::OuExclusif: return logiqueSurBooléens(a, b, n, [](bool x, bool y) { return x != y; });
        default: return false;
    }
}

}  // namespace

void Programme::exécuterColonnes(std::span<const ValeurCase* const> cases, std::size_t n, Terme* résultats,
                                 bool* échecs) {
    colonnes_.resize(static_cast<std::size_t>(hauteurMaximale_) * n);
    std::fill(échecs, échecs + n, false);
    std::size_t hauteur = 0;
    const auto colonne = [&](std::size_t h) { return colonnes_.data() + h * n; };
    for (const Instruction& i : instructions_) {
        switch (i.op) {
            case Opération::Nombre: std::fill_n(colonne(hauteur++), n, Terme::deNombre(i.nombre)); break;
            case Opération::Booléen: std::fill_n(colonne(hauteur++), n, Terme::deBooléen(i.nombre != 0)); break;
            case Opération::Case:
            case Opération::CaseSignée: {
                const ValeurCase* valeurs = cases[static_cast<std::size_t>(i.case_)];
                Terme* sortie = colonne(hauteur++);
                const bool signée = i.op == Opération::CaseSignée;
                for (std::size_t k = 0; k < n; ++k) sortie[k] = valeurDeCase(valeurs[k], signée);
                break;
            }
            case Opération::SigneCase: {
                const ValeurCase* valeurs = cases[static_cast<std::size_t>(i.case_)];
                Terme* haut = colonne(hauteur - 1);
                for (std::size_t k = 0; k < n; ++k) {
                    const bool négatif = valeurs[k].négatif;
                    haut[k] = {négatif ? -haut[k].nombre : haut[k].nombre, haut[k].booléen && !négatif};
                }
                break;
            }
            case Opération::Opposé: {
                Terme* haut = colonne(hauteur - 1);
                for (std::size_t k = 0; k < n; ++k) haut[k] = Terme::deNombre(-haut[k].nombre);
                break;
            }
            case Opération::Non: {
                Terme* haut = colonne(hauteur - 1);
                if (tousBooléens(haut, n)) {
                    for (std::size_t k = 0; k < n; ++k) haut[k] = Terme::deBooléen(haut[k].nombre == 0);
                    break;
                }
                for (std::size_t k = 0; k < n; ++k) {
                    const auto r = non(haut[k]);
                    if (r) haut[k] = *r;
                    échecs[k] = échecs[k] || !r;
                }
                break;
            }
            default: {
                Terme* a = colonne(hauteur - 2);
                const Terme* b = colonne(hauteur - 1);
                --hauteur;
                if (binaireEnColonnes(i.op, a, b, n, échecs)) break;
                avecOpération(i.op, [&](auto opération) {
                    for (std::size_t k = 0; k < n; ++k) {
                        const auto r = opération(a[k], b[k]);
                        if (r) a[k] = *r;
                        échecs[k] = échecs[k] || !r;
                    }
                });
            }
        }
    }
    std::copy_n(colonne(0), n, résultats);
}

}  // namespace vantorelle
