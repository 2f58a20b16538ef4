#include <algorithm>

#include "analysis/BourseCollection.h"
#include "store/Arrondi.h"
#include "store/Erreur.h"

namespace vantorelle {

namespace {

// Value i of a store as a single, or false when it cannot be read (outside the storage, or not a number).
bool lireSimple(const Arr<Valeur>& valeurs, std::int32_t i, float& résultat) {
    if (i > valeurs.Capacité()) return false;
    const Valeur& v = valeurs.Item(i);
    if (const float* simple = std::get_if<float>(&v.contenu())) {
        résultat = *simple;
        return true;
    }
    try {
        résultat = v.enSimple();
        return true;
    } catch (const ErreurConversion&) {
        return false;
    }
}

}  // namespace

void BourseCollection::reconstruirePrix() const {
    const std::int32_t nombre = std::max(Nombre, 0);
    std::int32_t n = nombre;
    const std::pair<const Fonction*, std::vector<float>*> copies[] = {
        {&Ouverture, &prix_.o}, {&Maximum, &prix_.h}, {&Minimum, &prix_.l}, {&Clôture, &prix_.c}};
    for (const auto& [série, copie] : copies) {
        copie->resize(static_cast<std::size_t>(nombre) + 1);
        const Arr<Valeur>& valeurs = *série->Data();
        for (std::int32_t i = 1; i <= n; ++i)
            if (!lireSimple(valeurs, i, (*copie)[static_cast<std::size_t>(i)])) n = i - 1;
    }
    prix_.n = n;
    prix_.nombre = Nombre;
    prix_.sourceO = empreinte(Ouverture);
    prix_.sourceH = empreinte(Maximum);
    prix_.sourceL = empreinte(Minimum);
    prix_.sourceC = empreinte(Clôture);
}

void BourseCollection::marquerPrixÀJour() const {
    prix_.nombre = Nombre;
    prix_.sourceO = empreinte(Ouverture);
    prix_.sourceH = empreinte(Maximum);
    prix_.sourceL = empreinte(Minimum);
    prix_.sourceC = empreinte(Clôture);
}

BourseCollection::Prix BourseCollection::prixHorsBougies(std::int32_t i) const {
    return {Ouverture.Item(i).enSimple(), Maximum.Item(i).enSimple(), Minimum.Item(i).enSimple(),
            Clôture.Item(i).enSimple()};
}

void BourseCollection::reconstruireSérie(const Fonction& f, CopieSérie& copie) const {
    const std::int32_t longueur = f.Longueur();
    copie.v.resize(static_cast<std::size_t>(longueur) + 1);
    for (std::int32_t i = 1; i <= longueur; ++i) copie.v[static_cast<std::size_t>(i)] = f.Item(i).enSimple();
    copie.source = empreinte(f);
}

bool BourseCollection::CorpsGrand(std::int32_t i) const {
    const Série taille = tailleCorps(), moyenne = moyenneCorps();
    if (i > taille.longueur || i > moyenne.longueur) return false;
    if (i < 1) TailleCorps.Item(i);  // outside the storage: the index error
    return taille.v[i] > static_cast<float>(tailleMarubozu()) * moyenne.v[i];
}

bool BourseCollection::OmbreGrande(std::int32_t i) const {
    const Série taille = tailleOmbre(), moyenne = moyenneOmbre();
    if (i > taille.longueur || i > moyenne.longueur) return false;
    if (i < 1) TailleOmbre.Item(i);
    return taille.v[i] > static_cast<float>(tailleMarubozu()) * moyenne.v[i];
}

bool BourseCollection::CorpsPetit(std::int32_t i) const {
    if (CorpsGrand(i)) return false;
    const float ombre = Ombre(i);
    if (!(ombre > 0)) return false;
    const float quotient = Corps(i) / ombre;
    return static_cast<double>(quotient) >= 4 * tolérance();
}

void BourseCollection::LireOptionsDesTailles() const {
    période2();
    if (avecTendance()) période();
}

void BourseCollection::CalculerTailles() {
    const Bougies b = bougies();
    if (b.n < Nombre) prixHorsBougies(b.n + 1);  // a candle outside a series' storage fails as reading it does
    const auto n = static_cast<std::size_t>(std::max(Nombre, 0));

    // The old averages go first, so that the new ones can take their memory.
    for (Fonction* f : {&MoyenneCorps, &MoyenneOmbre}) *f = Fonction();
    // The size series are rewritten in place: they end as a new series would (n values, room for n) and keep
    // their memory for the next load.
    auto réécrire = [n](Fonction& f) {
        Arr<Valeur>& arr = *f.Data();
        arr.Allocate(static_cast<std::int32_t>(n));
        arr.Count(static_cast<std::int32_t>(n));
        return arr.valeursModifiables();
    };
    const std::span<Valeur> ombres = réécrire(TailleOmbre), corps = réécrire(TailleCorps);
    CopieSérie& copieCorps = tailles_[0];
    CopieSérie& copieOmbre = tailles_[1];
    copieCorps.v.resize(n + 1);
    copieOmbre.v.resize(n + 1);
    for (std::size_t i = 1; i <= n; ++i) {
        const Prix p{b.O[i], b.H[i], b.L[i], b.C[i]};
        if (p.l <= 0) {
            ombres[i - 1] = std::int16_t{0};
            copieOmbre.v[i] = 0.0f;
        } else {
            // The range's quotient is taken in double, the body's in single.
            const float taille = Round2((static_cast<double>(p.h) / static_cast<double>(p.l) - 1.0) * 100.0);
            ombres[i - 1] = taille;
            copieOmbre.v[i] = taille;
        }
        const float basDuCorps = bas(p);
        if (basDuCorps == 0) {
            corps[i - 1] = std::int16_t{0};
            copieCorps.v[i] = 0.0f;
        } else {
            const float quotient = haut(p) / basDuCorps;
            const float taille = Round2((static_cast<double>(quotient) - 1.0) * 100.0);
            corps[i - 1] = taille;
            copieCorps.v[i] = taille;
        }
    }
    copieCorps.source = empreinte(TailleCorps);
    copieOmbre.source = empreinte(TailleOmbre);

    const std::int16_t période2Lue = période2();
    MoyenneCorps = TailleCorps.MMA(période2Lue);
    MoyenneOmbre = TailleOmbre.MMA(période2Lue);
    if (avecTendance()) {
        const std::int16_t périodeLue = période();
        Tendance = Fonction();
        Tendance = Ouverture.Tendance(périodeLue);
    }
}

}  // namespace vantorelle
