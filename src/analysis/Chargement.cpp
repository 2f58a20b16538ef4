#include <algorithm>
#include <optional>
#include <span>

#include "analysis/BourseCollection.h"
#include "analysis/LecteurHistorique.h"
#include "analysis/LectureCours.h"
#include "store/Encodage.h"
#include "store/Erreur.h"

namespace vantorelle {

namespace {

constexpr const char* NomsDesChamps[] = {"Date", "Ouverture", "Maximum", "Minimum", "Clôture", "Volume"};

std::string texteDuFichier(std::string_view octets) {
    const bool ascii = std::all_of(octets.begin(), octets.end(), [](char c) { return (c & 0x80) == 0; });
    return ascii ? std::string(octets) : depuisWindows1252(octets);
}

// The date key as the series keeps it: every "." of the field becomes ",".
std::string cléNormalisée(std::string_view champ) {
    const bool telleQuelle =
        std::all_of(champ.begin(), champ.end(), [](char c) { return c != '.' && (c & 0x80) == 0; });
    if (telleQuelle) return std::string(champ);
    std::string clé = texteDuFichier(champ);
    std::replace(clé.begin(), clé.end(), '.', ',');
    return clé;
}

struct ChampIllisible {
    int champ;  // from 0, the date
    LectureCours lecture;
};

// Reads the prices and the volume; the first field that cannot be read, if any.
std::optional<ChampIllisible> lireBougie(const std::string_view (&champs)[6], float (&cours)[4], Monnaie& volume) {
    for (int c = 1; c <= 4; ++c)
        if (const LectureCours lecture = lirePrix(champs[c], cours[c - 1]); lecture != LectureCours::Valide)
            return ChampIllisible{c, lecture};
    if (const LectureCours lecture = lireVolume(champs[5], volume); lecture != LectureCours::Valide)
        return ChampIllisible{5, lecture};
    return std::nullopt;
}

ErreurConversion erreurDeChamp(const std::filesystem::path& chemin, std::int64_t numéroLigne,
                               const std::string_view (&champs)[6], ChampIllisible illisible) {
    std::string message = chemin.string() + " : ";
    if (numéroLigne > 0) message += "ligne " + std::to_string(numéroLigne) + " : ";
    message += "date " + texteDuFichier(champs[0]) + " : champ " + std::to_string(illisible.champ + 1) + " (" +
               NomsDesChamps[illisible.champ] + ") : \"" + texteDuFichier(champs[illisible.champ]) + "\" ";
    message += illisible.lecture == LectureCours::Dépassement ? "dépasse la capacité." : "n'est pas un nombre.";
    return ErreurConversion(message);
}

}  // namespace

/// Candles read from a history file, before they are written to the series.
struct BourseCollection::BougiesLues {
    void vider() {
        dates.clear();
        jours.clear();
        for (std::vector<float>* v : {&o, &h, &l, &c}) v->clear();
        volumes.clear();
    }
    void ajouter(std::string date, Jour jour, const float (&cours)[4], Monnaie volume) {
        dates.push_back(std::move(date));
        jours.push_back(jour);
        o.push_back(cours[0]);
        h.push_back(cours[1]);
        l.push_back(cours[2]);
        c.push_back(cours[3]);
        volumes.push_back(volume);
    }

    std::vector<std::string> dates;
    std::vector<Jour> jours;  // the date of each key
    std::vector<float> o, h, l, c;
    std::vector<Monnaie> volumes;
};

struct BourseCollection::Brouillon {
    MémoireLecture lecture;
    BougiesLues bougies;
};

void BourseCollection::écrireBougies(std::int32_t nombreLignes, BougiesLues& bougies) {
    const auto n = static_cast<std::int32_t>(bougies.dates.size());
    // Room for the lines read, but never less than a series holds: a shorter load after a longer one leaves
    // the values beyond the new candles readable, as the indicators read a series to its length.
    auto préparer = [&](Fonction& f) {
        if (f.Longueur() < n) f.Longueur(n);
        f.Allouer(std::max(nombreLignes, f.Longueur()));
    };
    auto remplir = [&](Fonction& f, auto& valeurs) {
        préparer(f);
        const std::span<Valeur> cible = f.Data()->valeursModifiables();
        for (std::size_t i = 0; i < valeurs.size(); ++i) cible[i] = Valeur(std::move(valeurs[i]));
    };
    remplir(Date, bougies.dates);
    dates_.v.resize(1);
    dates_.v.insert(dates_.v.end(), bougies.jours.begin(), bougies.jours.end());
    dates_.source = empreinte(Date);
    remplir(Ouverture, bougies.o);
    remplir(Maximum, bougies.h);
    remplir(Minimum, bougies.l);
    remplir(Clôture, bougies.c);
    remplir(Volume, bougies.volumes);
    préparer(Chandeliers);
    préparer(Pondération);
    Nombre = n;

    const std::pair<std::vector<float>*, const std::vector<float>*> copies[] = {
        {&prix_.o, &bougies.o}, {&prix_.h, &bougies.h}, {&prix_.l, &bougies.l}, {&prix_.c, &bougies.c}};
    for (const auto& [copie, lus] : copies) {
        copie->resize(1);
        copie->insert(copie->end(), lus->begin(), lus->end());
    }
    prix_.n = n;
    marquerPrixÀJour();
}

void BourseCollection::ChargeFichier(const std::string& code, const std::string& nom,
                                     const std::filesystem::path& chemin, Jour premier, Jour dernier,
                                     std::int32_t n) {
    ChargeBougies(code, nom, chemin, premier, dernier, n);
    if (Nombre > 0) CalculerTailles();
}

void BourseCollection::ChargeBougies(const std::string& code, const std::string& nom,
                                     const std::filesystem::path& chemin, Jour premier, Jour dernier,
                                     std::int32_t n) {
    Code = code;
    Nom = nom;
    if (!brouillon_) brouillon_ = std::make_shared<Brouillon>();
    LecteurHistorique lecteur(chemin, brouillon_->lecture);
    if (premier == DébutDuFichier) {
        const std::optional<Jour> date = lecteur.premièreDate();
        if (!date) return;
        premier = *date;
    }
    if (dernier == FinDuFichier) {
        const std::optional<Jour> date = lecteur.dernièreDate();
        if (!date) return;
        dernier = *date;
    }
    if (n > 0)
        lecteur.queue(n);
    else
        lecteur.fenêtre(premier, dernier);

    // The candles are gathered first and written to the series at once; a bad field ends the gathering, and
    // the candles before it are written all the same.
    const std::vector<LecteurHistorique::Ligne>& lignes = lecteur.lignes();
    BougiesLues& bougies = brouillon_->bougies;
    bougies.vider();
    std::optional<ErreurConversion> erreur;
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        const LecteurHistorique::Ligne& ligne = lignes[k];
        if (!ligne.date || *ligne.date < premier) continue;
        if (*ligne.date > dernier) break;
        std::string_view champs[6];
        lecteur.champs(ligne, champs);
        float cours[4];
        Monnaie volume;
        if (const std::optional<ChampIllisible> illisible = lireBougie(champs, cours, volume)) {
            const std::int64_t numéro =
                lecteur.numéroPremière() > 0 ? lecteur.numéroPremière() + static_cast<std::int64_t>(k) : 0;
            erreur = erreurDeChamp(chemin, numéro, champs, *illisible);
            break;
        }
        std::string clé = cléNormalisée(champs[0]);
        // The line's date was read from the field itself: a key made different reads again.
        const Jour jour = clé == champs[0] ? *ligne.date : ToDate(clé);
        bougies.ajouter(std::move(clé), jour, cours, volume);
    }
    écrireBougies(static_cast<std::int32_t>(lignes.size()), bougies);
    if (erreur) throw *erreur;
    if (Nombre > 0) Corriger();
}

}  // namespace vantorelle
