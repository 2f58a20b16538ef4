#include <cmath>
#include <span>

#include "analysis/BougiesLues.h"
#include "analysis/BourseCollection.h"
#include "analysis/Communes.h"
#include "store/Arrondi.h"
#include "store/Erreur.h"

namespace vantorelle {

namespace {

constexpr std::int64_t UnitésParEntier = 10000;  // currency units in 1

// The week number: weeks start on Sunday and week 1 holds 1 January.
int numéroDeSemaine(Jour jour, int premierJanvier) { return (jour.quantième() - 1 + premierJanvier) / 7 + 1; }

// Period keys as numbers, year × 100 + week or month, ordered as their texts are.
class Périodes {
public:
    explicit Périodes(bool semaines) : semaines_(semaines) {}

    std::int32_t clé(Jour jour) {
        if (!semaines_) return jour.année() * 100 + jour.mois();
        if (jour.année() != annéeConnue_) {
            annéeConnue_ = jour.année();
            premierJanvier_ = Jour::de(annéeConnue_, 1, 1).jourDeLaSemaine();
        }
        return jour.année() * 100 + numéroDeSemaine(jour, premierJanvier_);
    }

private:
    bool semaines_;
    int annéeConnue_ = -1;
    int premierJanvier_ = 0;
};

std::string texteDeClé(std::int32_t clé) {
    std::string texte(6, '0');
    for (int k = 5; k >= 0; --k, clé /= 10) texte[static_cast<std::size_t>(k)] = static_cast<char>('0' + clé % 10);
    return texte;
}

Monnaie enMonnaie(const Valeur& v) {
    if (const Monnaie* m = std::get_if<Monnaie>(&v.contenu())) return *m;
    const double unités = arrondiPair(v.enDouble() * UnitésParEntier);
    if (!(std::fabs(unités) < 9.2e18)) throw ErreurConversion("Dépassement de capacité");
    return Monnaie{static_cast<std::int64_t>(unités)};
}

// A currency value rounded to a whole number, halves to even, as a whole-number accumulator takes it.
std::int64_t enEntier(Monnaie m) {
    std::int64_t entier = m.dixMillièmes / UnitésParEntier;
    const std::int64_t reste = m.dixMillièmes % UnitésParEntier;
    const std::int64_t demi = UnitésParEntier / 2;
    if (reste > demi || (reste == demi && entier % 2 != 0)) ++entier;
    if (reste < -demi || (reste == -demi && entier % 2 != 0)) --entier;
    return entier;
}

Monnaie somme(Monnaie a, Monnaie b) {
    Monnaie s;
    if (__builtin_add_overflow(a.dixMillièmes, b.dixMillièmes, &s.dixMillièmes))
        throw ErreurConversion("Dépassement de capacité");
    return s;
}

Monnaie depuisEntier(std::int64_t entier) {
    Monnaie m;
    if (__builtin_mul_overflow(entier, UnitésParEntier, &m.dixMillièmes))
        throw ErreurConversion("Dépassement de capacité");
    return m;
}

// Candles 1 to n grouped by period into `périodes`, which holds the code and the name; the day and the volume
// of a candle come from the two functions, called in the candles' order.
template <class JourDe, class VolumeDe>
BourseCollection regrouper(BourseCollection périodes, const BourseCollection::Bougies& b, std::int32_t n,
                           bool semaines, JourDe jourDe, VolumeDe volumeDe) {
    périodes.Allouer(static_cast<std::int32_t>(arrondiPair(n / (semaines ? 5.0 : 20.0) + 1.0)));
    Périodes clés(semaines);
    // The weekly volume is a whole number, rounded at each step as the old 32-bit accumulator did but
    // without its limit; the monthly volume is summed as currency.
    Monnaie volumeDuMois;
    std::int64_t volumeDeLaSemaine = 0;
    auto commencer = [&](std::int32_t i, float& ouverture, float& maximum, float& minimum) {
        ouverture = b.O[i];
        maximum = b.H[i];
        minimum = b.L[i];
        const Monnaie volume = volumeDe(i);
        if (semaines)
            volumeDeLaSemaine = enEntier(volume);
        else
            volumeDuMois = volume;
    };
    auto terminer = [&](std::int32_t i, std::int32_t clé, float ouverture, float maximum, float minimum) {
        périodes.Ajouter(texteDeClé(clé), ouverture, maximum, minimum, b.C[i],
                         semaines ? depuisEntier(volumeDeLaSemaine) : volumeDuMois);
    };

    float ouverture, maximum, minimum;
    commencer(1, ouverture, maximum, minimum);
    std::int32_t cléPrécédente = clés.clé(jourDe(1));
    for (std::int32_t i = 2; i <= n; ++i) {
        const std::int32_t clé = clés.clé(jourDe(i));
        if (clé > cléPrécédente) {
            terminer(i - 1, cléPrécédente, ouverture, maximum, minimum);
            commencer(i, ouverture, maximum, minimum);
        } else {
            maximum = Maxi(maximum, b.H[i]);
            minimum = Mini(minimum, b.L[i]);
            const Monnaie volume = volumeDe(i);
            if (semaines)
                volumeDeLaSemaine = enEntier(somme(depuisEntier(volumeDeLaSemaine), volume));
            else
                volumeDuMois = somme(volumeDuMois, volume);
        }
        cléPrécédente = clé;
    }
    terminer(n, cléPrécédente, ouverture, maximum, minimum);
    périodes.CalculerTailles();
    return périodes;
}

BourseCollection nommée(const std::string& code, const std::string& nom) {
    BourseCollection bc;
    bc.Code = code;
    bc.Nom = nom;
    return bc;
}

}  // namespace

std::string BourseCollection::CleSemaine(std::string_view date) {
    return texteDeClé(Périodes(true).clé(ToDate(date)));
}

BourseCollection BourseCollection::ConvertirEnSemaines() const { return convertir(true); }

BourseCollection BourseCollection::ConvertirEnMois() const { return convertir(false); }

BourseCollection BourseCollection::convertir(bool semaines) const {
    BourseCollection périodes = nommée(Code, Nom);
    if (Nombre < 1) return périodes;
    const Bougies b = bougies();
    if (b.n < Nombre) prixHorsBougies(b.n + 1);  // a candle outside a series' storage fails as reading it does
    const std::span<const Valeur> dates = Date.Data()->valeurs();
    const std::span<const Valeur> volumes = Volume.Data()->valeurs();
    // Candles beyond a series' count read as the series gives them (empty, or an index error).
    auto valeur = [](const Fonction& f, std::span<const Valeur> valeurs, std::int32_t i) -> const Valeur& {
        return static_cast<std::size_t>(i) <= valeurs.size() ? valeurs[static_cast<std::size_t>(i) - 1] : f.Item(i);
    };
    // The days as the load read them, while the date series is as it wrote them.
    const bool datesLues = dates_.source.de(Date) && dates_.v.size() > static_cast<std::size_t>(Nombre);
    auto jourDe = [&](std::int32_t i) {
        if (datesLues) return dates_.v[static_cast<std::size_t>(i)];
        const Valeur& date = valeur(Date, dates, i);
        const std::string* texte = std::get_if<std::string>(&date.contenu());
        return ToDate(texte ? std::string_view(*texte) : std::string_view(date.texte()));
    };
    auto volumeDe = [&](std::int32_t i) { return enMonnaie(valeur(Volume, volumes, i)); };
    return regrouper(std::move(périodes), b, Nombre, semaines, jourDe, volumeDe);
}

BourseCollection BourseCollection::ChargePériodes(const std::string& code, const std::string& nom,
                                                  const std::filesystem::path& chemin, Jour premier, Jour dernier,
                                                  bool semaines) {
    const LectureBougies lecture = lireBougies(chemin, premier, dernier, 0, false);
    if (lecture.erreur) throw *lecture.erreur;
    BourseCollection périodes = nommée(code, nom);
    if (!lecture.lue || lecture.bougies->nombre() < 1) return périodes;
    BougiesLues& lues = *lecture.bougies;
    const std::int32_t n = lues.nombre();
    LireOptionsDesTailles();
    for (std::int32_t i = 1; i <= n; ++i) réparer(lues.o[i], lues.h[i], lues.l[i], lues.c[i]);
    const Bougies b{lues.o.data(), lues.h.data(), lues.l.data(), lues.c.data(), n};
    auto jourDe = [&lues](std::int32_t i) { return lues.jours[static_cast<std::size_t>(i) - 1]; };
    auto volumeDe = [&lues](std::int32_t i) { return lues.volumes[static_cast<std::size_t>(i) - 1]; };
    return regrouper(std::move(périodes), b, n, semaines, jourDe, volumeDe);
}

}  // namespace vantorelle
