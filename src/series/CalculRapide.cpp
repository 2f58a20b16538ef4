#include "series/CalculFormule.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "series/Gabarit.h"
#include "series/LectureCase.h"
#include "series/ModeleFormule.h"

namespace vantorelle {

namespace {

/// How values 1 to n of a series read, value p at index p - 1.
struct Lecture {
    const ValeurCase* valeurs = nullptr;
    const CaseLue::État* états = nullptr;
    const std::int32_t* àPart = nullptr;  // at p: how many of values 1 to p are not `Lisible`

    bool toutesLisibles(std::int32_t de, std::int32_t à) const { return àPart[à] == àPart[de - 1]; }
};

/// The readings of series, kept while a series is unchanged: the quote series and the earlier formulas are
/// read by every formula of a security.
class Lectures {
public:
    Lecture de(const Fonction& série, std::int32_t n) {
        const Arr<Valeur>* données = série.Data().get();
        for (const Entrée& e : entrées_)
            if (e.adresse == données && e.version == données->version() && e.n >= n && !e.source.expired())
                return {e.valeurs.data(), e.états.data(), e.àPart.data()};
        std::erase_if(entrées_, [&](const Entrée& e) { return e.source.expired() || e.adresse == données; });
        if (entrées_.size() >= 64) entrées_.erase(entrées_.begin());
        Entrée& e = entrées_.emplace_back();
        e.source = série.Data();
        e.adresse = données;
        e.version = données->version();
        e.n = n;
        e.valeurs.resize(static_cast<std::size_t>(n));
        e.états.resize(static_cast<std::size_t>(n));
        e.àPart.assign(static_cast<std::size_t>(n) + 1, 0);
        for (std::int32_t p = 1; p <= n; ++p) {
            const auto k = static_cast<std::size_t>(p);
            const CaseLue lue = LectureCase::lire(données->Item(p));
            e.valeurs[k - 1] = lue.valeur;
            e.états[k - 1] = lue.état;
            e.àPart[k] = e.àPart[k - 1] + (lue.état == CaseLue::État::Lisible ? 0 : 1);
        }
        return {e.valeurs.data(), e.états.data(), e.àPart.data()};
    }

private:
    struct Entrée {
        std::weak_ptr<Arr<Valeur>> source;
        const Arr<Valeur>* adresse = nullptr;
        std::uint64_t version = 0;
        std::int32_t n = 0;
        std::vector<ValeurCase> valeurs;
        std::vector<CaseLue::État> états;
        std::vector<std::int32_t> àPart;
    };
    std::vector<Entrée> entrées_;
};

Lectures& lectures() {
    static Lectures l;
    return l;
}

/// The models of the formulas, kept from one security to the next: a model depends only on the formula's text
/// and constants, on the members' names and on the start of its range, and building it costs more than
/// running it. The members may have moved (a security's volatility is a new series): the model then reads
/// the members now in their places.
class Modèles {
public:
    ModeleFormule& de(const Fonction& formule, const Fonctions& membres, std::int32_t début) {
        for (Entrée& e : entrées_) {
            if (e.début != début || e.formule != formule.Formule() || !mêmesConstantes(e, formule) ||
                !mêmesNoms(e, membres))
                continue;
            const std::vector<const Fonction*> séries = lesSéries(membres);
            if (séries != e.séries) {
                e.modèle.reciblerCases(e.séries, séries);
                e.séries = séries;
            }
            return e.modèle;
        }
        if (entrées_.size() >= 256) entrées_.erase(entrées_.begin());
        return entrées_.emplace_back(formule, membres, début).modèle;
    }

private:
    struct Entrée {
        Entrée(const Fonction& formule, const Fonctions& membres, std::int32_t début)
            : formule(formule.Formule()), séries(lesSéries(membres)), début(début), modèle(formule, membres, début) {
            if (formule.Constantes()) constantes = *formule.Constantes();
            for (const Fonction* série : séries) noms.push_back(série->Nom());
        }
        std::string formule;
        std::optional<Fonction::ListeConstantes> constantes;
        std::vector<const Fonction*> séries;
        std::vector<std::string> noms;
        std::int32_t début;
        ModeleFormule modèle;
    };

    static std::vector<const Fonction*> lesSéries(const Fonctions& membres) {
        std::vector<const Fonction*> séries;
        for (std::int32_t m = 1; m <= membres.Count(); ++m) séries.push_back(&membres.Item(m));
        return séries;
    }
    static bool mêmesConstantes(const Entrée& e, const Fonction& formule) {
        if (!formule.Constantes()) return !e.constantes;
        return e.constantes && *e.constantes == *formule.Constantes();
    }
    static bool mêmesNoms(const Entrée& e, const Fonctions& membres) {
        if (static_cast<std::size_t>(membres.Count()) != e.noms.size()) return false;
        for (std::int32_t m = 1; m <= membres.Count(); ++m)
            if (membres.Item(m).Nom() != e.noms[static_cast<std::size_t>(m) - 1]) return false;
        return true;
    }

    std::vector<Entrée> entrées_;
};

Modèles& modèles() {
    static Modèles m;
    return m;
}

// The offset loop of the texts runs on a 16-bit counter; so long a series is left to them.
constexpr std::int32_t plusGrandeLongueur = 32766;

Valeur valeurÀ(Fonction& formule, const Fonctions& membres, std::int32_t i, Evaluateur& évaluateur,
               CaseLue::État état, const std::optional<Terme>& résultat) {
    if (état == CaseLue::État::Texte)
        return CalculFormule::valeurÀ(formule, membres, i, évaluateur, CalculFormule::Balayage::DécalagesPrésents);
    if (état == CaseLue::État::Échec) return Valeur("NO_EVAL");
    return CalculFormule::valeurDuRésultat(résultat);
}

/// Positions début to fin of a compiled formula that does not read itself, a block of positions at a time.
void calculerParBlocs(Fonction& formule, const Fonctions& membres, ModeleFormule& modèle,
                      const std::vector<Lecture>& lectures, std::int32_t début, std::int32_t fin,
                      Evaluateur& évaluateur) {
    constexpr std::int32_t tailleBloc = 256;
    const auto& cases = modèle.cases();
    std::vector<const ValeurCase*> colonnes(cases.size());
    Terme résultats[tailleBloc];
    bool échecs[tailleBloc];
    CaseLue::État états[tailleBloc];
    const std::span<Valeur> valeurs = formule.Data()->valeursModifiables();
    for (std::int32_t bloc = début; bloc <= fin; bloc += tailleBloc) {
        const std::int32_t taille = std::min(tailleBloc, fin - bloc + 1);
        std::fill_n(états, taille, CaseLue::État::Lisible);
        for (std::size_t c = 0; c < cases.size(); ++c) {
            const std::int32_t décalage = bloc - cases[c].décalage - 1;
            colonnes[c] = lectures[c].valeurs + décalage;
            if (lectures[c].toutesLisibles(décalage + 1, décalage + taille)) continue;
            const CaseLue::État* étatsCase = lectures[c].états + décalage;
            for (std::int32_t k = 0; k < taille; ++k) états[k] = std::max(états[k], étatsCase[k]);
        }
        modèle.exécuterColonnes(colonnes, static_cast<std::size_t>(taille), résultats, échecs);
        for (std::int32_t k = 0; k < taille; ++k) {
            const std::optional<Terme> résultat = échecs[k] ? std::nullopt : std::optional(résultats[k]);
            valeurs[static_cast<std::size_t>(bloc + k - 1)] =
                valeurÀ(formule, membres, bloc + k, évaluateur, états[k], résultat);
        }
    }
}

/// Positions début to fin one by one, for a formula that reads its own values or whose model is not
/// compiled.
void calculerUneÀUne(Fonction& formule, const Fonctions& membres, ModeleFormule& modèle,
                     const std::vector<Lecture>& lectures, std::int32_t début, std::int32_t fin,
                     Evaluateur& évaluateur) {
    const auto& cases = modèle.cases();
    std::vector<ValeurCase> valeurs(cases.size());
    for (std::int32_t i = début; i <= fin; ++i) {
        CaseLue::État état = modèle.issue() == ModeleFormule::Issue::Illisible ? CaseLue::État::Texte
                             : modèle.issue() == ModeleFormule::Issue::Échec   ? CaseLue::État::Échec
                                                                               : CaseLue::État::Lisible;
        for (std::size_t c = 0; c < cases.size() && état != CaseLue::État::Texte; ++c) {
            const std::int32_t p = i - cases[c].décalage;
            // The formula's own values change as it goes: read them as they are now.
            const CaseLue lue = lectures[c].valeurs ? CaseLue{lectures[c].valeurs[p - 1], lectures[c].états[p - 1]}
                                                    : LectureCase::lire(formule.Item(p));
            état = std::max(état, lue.état);
            valeurs[c] = lue.valeur;
        }
        const auto résultat = état == CaseLue::État::Lisible ? modèle.exécuter(valeurs) : std::nullopt;
        formule.Item(i, valeurÀ(formule, membres, i, évaluateur, état, résultat));
    }
}

}  // namespace

void CalculFormule::compilé(Fonction& formule, const Fonctions& membres) {
    const std::int32_t n = formule.Longueur();
    if (n < 1) return;
    bool lisible = n <= plusGrandeLongueur;
    for (std::int32_t m = 1; lisible && m <= membres.Count(); ++m) lisible = membres.Item(m).Data()->Capacité() >= n;
    if (!lisible) {
        // Only the texts then fail at the right position, as a too short member is read.
        parSubstitution(formule, membres);
        return;
    }

    // The substitutions change only where an offset of the formula starts to reach back to position 1.
    std::vector<std::int32_t> débuts = {1};
    for (std::int32_t k : Gabarit::décalages(formule.Formule()))
        if (k + 1 <= n) débuts.push_back(k + 1);

    Evaluateur évaluateur;
    std::vector<Lecture> lues;
    for (std::size_t r = 0; r < débuts.size(); ++r) {
        const std::int32_t début = débuts[r];
        const std::int32_t fin = r + 1 < débuts.size() ? débuts[r + 1] - 1 : n;
        ModeleFormule& modèle = modèles().de(formule, membres, début);
        const auto& cases = modèle.cases();
        lues.assign(cases.size(), {});
        bool seLitElleMême = false;
        for (std::size_t c = 0; c < cases.size(); ++c) {
            if (cases[c].série->Data() == formule.Data())
                seLitElleMême = true;
            else
                lues[c] = lectures().de(*cases[c].série, n);
        }
        if (modèle.issue() == ModeleFormule::Issue::Compilé && !seLitElleMême)
            calculerParBlocs(formule, membres, modèle, lues, début, fin, évaluateur);
        else
            calculerUneÀUne(formule, membres, modèle, lues, début, fin, évaluateur);
    }
}

void CalculFormule::calculerFormules(const Fonctions& membres, std::int32_t nombre, std::int32_t n) {
    for (std::int32_t j = 1; j <= nombre; ++j) {
        membres.Item(j).Allouer(n);
        membres.Item(j).Longueur(n);
    }
    for (std::int32_t j = 1; j <= nombre; ++j) compilé(membres.Item(j), membres);
}

void Fonction::Calculer(const Fonctions& collection) { CalculFormule::compilé(*this, collection); }

}  // namespace vantorelle
