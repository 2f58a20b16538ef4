#pragma once
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Jour.h"
#include "analysis/OptionsAnalyse.h"
#include "series/Fonction.h"
#include "series/Valeur.h"
#include "store/Avertissement.h"
#include "store/Monnaie.h"

namespace vantorelle {

class Fonctions;

/// The candles of one security: nine series, its code, name and candle count, its analysis options and the
/// size series derived from the candles.
///
/// Values 1 to `Nombre` of the six quote series are the candles, 1 the oldest; a reload writes them from 1
/// again, so a series may hold values beyond `Nombre` from an earlier, longer load. The measures read plain
/// float copies of the prices, rebuilt whenever a series or `Nombre` changed, so a caller may change any
/// series through its public `Fonction` and still get correct results.
///
/// Precision of the measures and tests (the classic Basic rule): an operation on two singles, or a single
/// and an integer, is done in single, each step rounded to single; with a double (an option such as
/// `Tolérance`) it is done in double. So `Corps`/`Ombre` is a single quotient, compared in double with
/// 4 × `Tolérance`; `TailleMarubozu` (16-bit) times a single average is single.
class BourseCollection {
public:
    /// The marker dates of `ChargeFichier`: the first and the last line of the file.
    static constexpr Jour DébutDuFichier = Jour::de(1900, 1, 1);
    static constexpr Jour FinDuFichier = Jour::de(2050, 1, 1);

    /// Nine empty series with their names, `Nombre` 0 and the default options.
    BourseCollection();
    BourseCollection(const BourseCollection&) = delete;
    BourseCollection& operator=(const BourseCollection&) = delete;
    BourseCollection(BourseCollection&&) = default;
    BourseCollection& operator=(BourseCollection&&) = default;

    Fonction Date;          ///< "Date": the date key, text
    Fonction Ouverture;     ///< "Nom": opening prices, singles
    Fonction Maximum;       ///< "Maximum": singles
    Fonction Minimum;       ///< "Minimum": singles
    Fonction Clôture;       ///< "Clôture": singles
    Fonction Volume;        ///< "Volume": currency
    Fonction Chandeliers;   ///< "Chandeliers": figure codes, 32-bit
    Fonction Pondération;   ///< "Pondération": weights 0 to 4, 16-bit
    Fonction Tendance;      ///< "Tendance": trend codes 0, 1, 2, 16-bit
    std::string Code;
    std::string Nom;
    std::int32_t Nombre = 0;
    OptionsAnalyse Options;
    Fonction TailleCorps;   ///< body in percent of its bottom, per candle
    Fonction TailleOmbre;   ///< range in percent of the low, per candle
    Fonction MoyenneCorps;  ///< moving average of TailleCorps over Période2
    Fonction MoyenneOmbre;  ///< moving average of TailleOmbre over Période2

    // ---- Loading and housekeeping (BourseCollection.cpp, Chargement.cpp) ----

    /// Replaces the candles by those of the history file dated from `premier` to `dernier` inclusive
    /// (`DébutDuFichier` stands for the date of the file's first line, `FinDuFichier` for that of its last
    /// line that reads as a candle: 6 fields or more and a real date). With n > 0, only the lines within the
    /// last n bytes of the file (from its last candle line when they hold none). Then repairs the prices and
    /// computes the derived series. A bad price or volume throws ErreurConversion naming the file, the line,
    /// the date key and the field. What the load skipped is told in `AvertissementsDuChargement`.
    void ChargeFichier(const std::string& code, const std::string& nom, const std::filesystem::path& chemin,
                       Jour premier, Jour dernier, std::int32_t n);
    /// Appends one candle.
    void Ajouter(const std::string& date, float ouverture, float maximum, float minimum, float clôture,
                 Monnaie volume);
    /// Reserves room for n values in every series but `Tendance`; lengths are unchanged.
    void Allouer(std::int32_t n);
    /// Repairs the non-positive prices of every candle.
    void Corriger();
    /// The date of a key "yyyymmdd" (characters 1-4, 5-6, 7-8); the zero date when it forms no date.
    static Jour ToDate(std::string_view texte);
    /// "Code : ", "Nom : " and six labelled lines per candle, each label followed by two TABs.
    std::string ToString() const;

    // ---- Measures and tolerance tests (inline below; Mesures.cpp) ----

    float Corps(std::int32_t i) const { const Prix p = prix(i); return std::fabs(p.c - p.o); }
    float CorpsHaut(std::int32_t i) const { const Prix p = prix(i); return haut(p); }
    float CorpsBas(std::int32_t i) const { const Prix p = prix(i); return bas(p); }
    float Ombre(std::int32_t i) const { const Prix p = prix(i); return p.h - p.l; }
    float Tête(std::int32_t i) const { const Prix p = prix(i); return p.h - haut(p); }
    float Queue(std::int32_t i) const { const Prix p = prix(i); return bas(p) - p.l; }
    /// The body of i lies wholly above the body of j.
    bool CorpsAuDessus(std::int32_t i, std::int32_t j) const {
        const Prix a = prix(i), b = prix(j);
        return a.o > b.o && a.o > b.c && a.c > b.o && a.c > b.c;
    }
    /// The body of i lies wholly below the body of j.
    bool CorpsAuDessous(std::int32_t i, std::int32_t j) const {
        const Prix a = prix(i), b = prix(j);
        return a.o < b.o && a.o < b.c && a.c < b.o && a.c < b.c;
    }
    /// Candle i lies wholly above candle j (a gap up).
    bool OmbresAuDessus(std::int32_t i, std::int32_t j) const { return prix(i).l > prix(j).h; }
    /// Candle i lies wholly below candle j (a gap down).
    bool OmbresAuDessous(std::int32_t i, std::int32_t j) const { return prix(i).h < prix(j).l; }
    bool OmbreEtCorpsInclus(std::int32_t i, std::int32_t j) const { return OmbreInclue(i, j) && CorpsInclus(i, j); }
    /// The range of i lies inside the range of j, bounds included.
    bool OmbreInclue(std::int32_t i, std::int32_t j) const {
        const Prix a = prix(i), b = prix(j);
        return b.l <= a.l && a.l <= b.h && b.l <= a.h && a.h <= b.h;
    }
    /// The body of i lies inside the body of j, bounds included.
    bool CorpsInclus(std::int32_t i, std::int32_t j) const {
        const Prix a = prix(i), b = prix(j);
        const float hautA = haut(a), basA = bas(a), hautB = haut(b), basB = bas(b);
        return basB <= hautA && hautA <= hautB && basB <= basA && basA <= hautB;
    }
    /// Not a big body, a range, and a body of at least 4 × `Tolérance` of the range.
    bool CorpsPetit(std::int32_t i) const;
    /// The body percentage above `TailleMarubozu` times its average; false where the average is missing.
    bool CorpsGrand(std::int32_t i) const;
    /// The range percentage above `TailleMarubozu` times its average; false where the average is missing.
    bool OmbreGrande(std::int32_t i) const;
    /// r > 0 and |a − b| / r ≤ `Tolérance`.
    bool ToléranceCompare(float a, float b, float r) const {
        if (!(r > 0)) return false;
        const float quotient = std::fabs(a - b) / r;
        return static_cast<double>(quotient) <= tolérance();
    }
    /// Rebuilds the four size series and, when `AvecTendance` is on, `Tendance`.
    void CalculerTailles();

    // ---- Catalogue (BourseCatalogue.cpp) ----

    /// The 53 named constants of the figures, a new list on each call.
    std::shared_ptr<std::vector<std::string>> Constantes() const;
    /// The display name of the code stored at candle i.
    std::string ChandelierToString(std::int32_t i) const;
    /// The same name, a view of the catalogue's one copy of it.
    std::string_view nomDuChandelier(std::int32_t i) const;
    /// The family (1 bullish, 2 bearish, 3 neutral, 4 none) of the code stored at candle i.
    std::int32_t TypeChandelier(std::int32_t i) const;

    // ---- Recognition (Reconnaissance*.cpp) ----

    std::int32_t TrouveChandelier(std::int32_t i, std::int32_t code) const;
    bool EstChandelier(std::int32_t i, std::int32_t code) const;
    std::int32_t Chandelier(std::int32_t i) const;
    void ChargeChandeliers(std::int32_t début);

    // ---- Trend, confirmation and weighting (TendanceConfirmation.cpp) ----

    bool ChandelierConfirmé(std::int32_t i) const;
    void ChargePondération();
    bool TendanceValide(std::int32_t i, std::int16_t tendance) const;

    // ---- Volatility, display series and stochastic (Volatilite.cpp, Stochastique.cpp, CellulesAffichage.cpp) ----

    Fonction Volatilité() const;
    Fonction Stoch(std::int16_t n, std::int16_t m) const;
    Fonction Variation(const Fonction& x) const;
    Fonction VariationMoyenne(const Fonction& x, const std::string& format) const;

    // ---- Weekly and monthly candles (Semaines.cpp) ----

    /// A new object of weekly candles, with the default options.
    BourseCollection ConvertirEnSemaines() const;
    /// A new object of monthly candles, with the default options.
    BourseCollection ConvertirEnMois() const;
    /// The candles of a history file from `premier` to `dernier`, grouped by week or by month: what
    /// `ChargeFichier` then `ConvertirEnSemaines` or `ConvertirEnMois` give, without writing the days to this
    /// object, which lends its options (read as `LireOptionsDesTailles` does, once a candle is read) and its
    /// memory. A marker date that finds no line in the file gives no candle.
    BourseCollection ChargePériodes(const std::string& code, const std::string& nom,
                                    const std::filesystem::path& chemin, Jour premier, Jour dernier, bool semaines);
    /// The week key of a date key: the year and the two-digit week, weeks from Sunday, week 1 holding
    /// 1 January ("200054" for "20001231").
    static std::string CleSemaine(std::string_view date);

    /// What the last `ChargeFichier` or `ChargePériodes` of this object skipped or doubts in the file: lines
    /// left out, a file without a candle, a load stopped before the file's last line.
    const Avertissements& AvertissementsDuChargement() const { return avertissements_; }

    // ---- Formula collection (Publication.cpp) ----

    /// Publishes the nine series in `fonctions` under their names (the volatility as a series of its own).
    void AjouterAuxFonctions(Fonctions& fonctions);
    /// Takes the nine series out of `fonctions` by their names.
    void SupprimerDesFonctions(Fonctions& fonctions) const;

    // ---- Fast access for hot loops (Mesures.cpp) ----

    /// The prices of candles 1 to n as plain arrays (index 0 unused), n = `Nombre` unless a series is
    /// shorter. Valid until the next change of a price series or of `Nombre`.
    struct Bougies {
        const float* O;
        const float* H;
        const float* L;
        const float* C;
        std::int32_t n;
    };
    Bougies bougies() const {
        if (!prixÀJour()) reconstruirePrix();
        return {prix_.o.data(), prix_.h.data(), prix_.l.data(), prix_.c.data(), prix_.n};
    }

    /// A derived size series as a plain array (index 0 unused) of its `Longueur` values.
    struct Série {
        const float* v;
        std::int32_t longueur;
    };
    Série tailleCorps() const { return série(TailleCorps, tailles_[0]); }
    Série tailleOmbre() const { return série(TailleOmbre, tailles_[1]); }
    Série moyenneCorps() const { return série(MoyenneCorps, tailles_[2]); }
    Série moyenneOmbre() const { return série(MoyenneOmbre, tailles_[3]); }

    /// The options converted at the point of use; the conversion is kept while `Options` is unchanged. A
    /// missing or unreadable option throws at each use.
    double tolérance() const {
        return lu(tolérance_, [this] { return Options.enDouble(OptionsAnalyse::Tolérance); });
    }
    bool avecTendance() const {
        return lu(avecTendance_, [this] { return Options.enBooléen(OptionsAnalyse::AvecTendance); });
    }
    std::int16_t tailleMarubozu() const {
        return lu(tailleMarubozu_, [this] { return Options.enEntier(OptionsAnalyse::TailleMarubozu); });
    }
    std::int16_t période() const {
        return lu(période_, [this] { return Options.enEntier(OptionsAnalyse::Période); });
    }
    std::int16_t période2() const {
        return lu(période2_, [this] { return Options.enEntier(OptionsAnalyse::Période2); });
    }

private:
    struct Prix {
        float o, h, l, c;
    };
    static float haut(const Prix& p) { return p.c >= p.o ? p.c : p.o; }
    static float bas(const Prix& p) { return p.c >= p.o ? p.o : p.c; }

    Prix prix(std::int32_t i) const {
        const Bougies b = bougies();
        if (i >= 1 && i <= b.n) return {b.O[i], b.H[i], b.L[i], b.C[i]};
        return prixHorsBougies(i);
    }
    /// A price read through the series, for an index outside 1..n (an index error outside the storage).
    Prix prixHorsBougies(std::int32_t i) const;

    // Which state of a series a copy (or the figures' memo) was taken from. The weak reference keeps the
    // store's address from being reused by another store, which could show the same version.
    struct Empreinte {
        std::weak_ptr<const Arr<Valeur>> données;
        std::uint64_t version = 0;
        bool de(const Fonction& f) const {
            const auto& d = f.Data();
            return d && version == d->version() && !données.owner_before(d) && !d.owner_before(données);
        }
    };
    static Empreinte empreinte(const Fonction& f) { return {f.Data(), f.Data() ? f.Data()->version() : 0}; }

    struct CopiePrix {
        Empreinte sourceO, sourceH, sourceL, sourceC;
        std::int32_t nombre = -1;  // the `Nombre` the copy was taken for
        std::int32_t n = 0;
        std::vector<float> o{0.0f}, h{0.0f}, l{0.0f}, c{0.0f};
    };
    bool prixÀJour() const {
        return prix_.nombre == Nombre && prix_.sourceO.de(Ouverture) && prix_.sourceH.de(Maximum) &&
               prix_.sourceL.de(Minimum) && prix_.sourceC.de(Clôture);
    }
    void reconstruirePrix() const;
    /// Declares the copies current after this object wrote the same values to the series.
    void marquerPrixÀJour() const;

    struct CopieSérie {
        Empreinte source;
        std::vector<float> v{0.0f};
    };
    Série série(const Fonction& f, CopieSérie& copie) const {
        if (!copie.source.de(f)) reconstruireSérie(f, copie);
        return {copie.v.data(), static_cast<std::int32_t>(copie.v.size()) - 1};
    }
    void reconstruireSérie(const Fonction& f, CopieSérie& copie) const;

    /// The days of the date keys 1 to n, as the last load read them.
    struct CopieDates {
        Empreinte source;
        std::vector<Jour> v{Jour()};
    };

    struct BougiesLues;
    struct LectureBougies;
    /// Reads the candles of a history file into the load's memory, with their date keys when asked.
    LectureBougies lireBougies(const std::filesystem::path& chemin, Jour premier, Jour dernier, std::int32_t n,
                               bool avecClés);
    /// Writes the candles read by a load as candles 1 to n, with room for the lines read.
    void écrireBougies(std::int32_t nombreLignes, BougiesLues& bougies);
    /// Repairs the non-positive prices of one candle.
    static void réparer(float& o, float& h, float& l, float& c);
    /// Reads the options `CalculerTailles` reads, failing as it would, for candles whose sizes are not needed.
    void LireOptionsDesTailles() const;
    /// Memory the loads keep for the next one: the scan reloads one object for every security.
    struct Brouillon;
    std::shared_ptr<Brouillon> brouillon_;
    Avertissements avertissements_;

    /// The candles grouped by week or by month.
    BourseCollection convertir(bool semaines) const;

    template <class T>
    struct OptionLue {
        std::uint64_t version = 0;  // 0: not read yet (no collection has version 0)
        T valeur{};
    };
    template <class T, class Lecture>
    T lu(OptionLue<T>& option, Lecture lire) const {
        if (option.version != Options.version()) {
            option.valeur = lire();
            option.version = Options.version();
        }
        return option.valeur;
    }

    mutable CopiePrix prix_;
    CopieDates dates_;
    mutable CopieSérie tailles_[4];
    mutable OptionLue<double> tolérance_;
    mutable OptionLue<bool> avecTendance_;
    mutable OptionLue<std::int16_t> tailleMarubozu_, période_, période2_;

    // ---- Recognition: memo members (owned by the recognition files) ----
public:
    /// Switches the memo of figure outcomes on (the default) or off. With it, recognition computes every
    /// figure of every candle once and keeps the outcomes until `Nombre`, a price, size or trend series, or
    /// `Options` changes; without it, every call recomputes from the candles. The results are the same.
    void AvecMémo(bool actif) { avecMémo_ = actif; }
    bool AvecMémo() const { return avecMémo_; }

private:
    class LectureDirecte;  // the figures reading the collection at every call (Reconnaissance.cpp)
    class MemoFigures;     // MemoFigures.h
    /// The value i of the trend series, read directly whatever `AvecTendance`; 0 where it holds none.
    double tendanceLue(std::int32_t i) const;
    /// The memo, up to date with the collection; nullptr when it is off or cannot be computed.
    const MemoFigures* mémo() const;
    mutable std::shared_ptr<MemoFigures> mémo_;
    bool avecMémo_ = true;
};

}  // namespace vantorelle
