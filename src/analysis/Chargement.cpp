#include <algorithm>
#include <optional>
#include <span>

#include "analysis/BougiesLues.h"
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

// A key the series keeps as the file writes it.
bool cléTelleQuelle(std::string_view champ) {
    return std::all_of(champ.begin(), champ.end(), [](char c) { return c != '.' && (c & 0x80) == 0; });
}

// The date key as the series keeps it: every "." of the field becomes ",".
std::string cléNormalisée(std::string_view champ) {
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

struct BourseCollection::Brouillon {
    MémoireLecture lecture;
    BougiesLues bougies;
};

void BourseCollection::écrireBougies(std::int32_t nombreLignes, BougiesLues& bougies) {
    const std::int32_t n = bougies.nombre();
    // Room for the lines read, but never less than a series holds: a shorter load after a longer one leaves
    // the values beyond the new candles readable, as the indicators read a series to its length.
    auto préparer = [&](Fonction& f) {
        if (f.Longueur() < n) f.Longueur(n);
        f.Allouer(std::max(nombreLignes, f.Longueur()));
    };
    auto remplir = [&](Fonction& f, auto début, auto fin) {
        préparer(f);
        std::move(début, fin, f.Data()->valeursModifiables().begin());
    };
    remplir(Date, bougies.dates.begin(), bougies.dates.end());
    dates_.v.resize(1);
    dates_.v.insert(dates_.v.end(), bougies.jours.begin(), bougies.jours.end());
    dates_.source = empreinte(Date);
    const std::pair<Fonction*, std::vector<float>*> prix[] = {
        {&Ouverture, &bougies.o}, {&Maximum, &bougies.h}, {&Minimum, &bougies.l}, {&Clôture, &bougies.c}};
    for (const auto& [série, lus] : prix) remplir(*série, lus->begin() + 1, lus->end());
    remplir(Volume, bougies.volumes.begin(), bougies.volumes.end());
    préparer(Chandeliers);
    préparer(Pondération);
    Nombre = n;

    prix_.o = bougies.o;
    prix_.h = bougies.h;
    prix_.l = bougies.l;
    prix_.c = bougies.c;
    prix_.n = n;
    marquerPrixÀJour();
}

void BourseCollection::ChargeFichier(const std::string& code, const std::string& nom,
                                     const std::filesystem::path& chemin, Jour premier, Jour dernier,
                                     std::int32_t n) {
    Code = code;
    Nom = nom;
    // The candles are gathered first and written to the series at once; a bad field ends the gathering, and
    // the candles before it are written all the same.
    const LectureBougies lecture = lireBougies(chemin, premier, dernier, n, true);
    if (!lecture.lue) return;
    écrireBougies(lecture.lignes, *lecture.bougies);
    if (lecture.erreur) throw *lecture.erreur;
    if (Nombre > 0) {
        Corriger();
        CalculerTailles();
    }
}

BourseCollection::LectureBougies BourseCollection::lireBougies(const std::filesystem::path& chemin, Jour premier,
                                                                Jour dernier, std::int32_t n, bool avecClés) {
    if (!brouillon_) brouillon_ = std::make_shared<Brouillon>();
    LectureBougies lecture;
    LecteurHistorique lecteur(chemin, brouillon_->lecture);
    if (premier == DébutDuFichier) {
        const std::optional<Jour> date = lecteur.premièreDate();
        if (!date) return lecture;
        premier = *date;
    }
    if (dernier == FinDuFichier) {
        const std::optional<Jour> date = lecteur.dernièreDate();
        if (!date) return lecture;
        dernier = *date;
    }
    if (n > 0)
        lecteur.queue(n);
    else
        lecteur.fenêtre(premier, dernier);

    BougiesLues& bougies = brouillon_->bougies;
    bougies.vider();
    lecture.lue = true;
    lecture.bougies = &bougies;
    const std::vector<LecteurHistorique::Ligne>& lignes = lecteur.lignes();
    lecture.lignes = static_cast<std::int32_t>(lignes.size());
    // Every dated line has its six fields, which each line read overwrites.
    std::string_view champs[6];
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        const LecteurHistorique::Ligne& ligne = lignes[k];
        if (!ligne.date || *ligne.date < premier) continue;
        if (*ligne.date > dernier) break;
        lecteur.champs(ligne, champs);
        float cours[4];
        Monnaie volume;
        if (const std::optional<ChampIllisible> illisible = lireBougie(champs, cours, volume)) {
            const std::int64_t numéro =
                lecteur.numéroPremière() > 0 ? lecteur.numéroPremière() + static_cast<std::int64_t>(k) : 0;
            lecture.erreur = erreurDeChamp(chemin, numéro, champs, *illisible);
            break;
        }
        // The line's date was read from the field itself: a key made different reads again.
        if (cléTelleQuelle(champs[0])) {
            bougies.jours.push_back(*ligne.date);
            if (avecClés) bougies.dates.emplace_back(champs[0]);
        } else {
            std::string clé = cléNormalisée(champs[0]);
            bougies.jours.push_back(ToDate(clé));
            if (avecClés) bougies.dates.push_back(std::move(clé));
        }
        bougies.o.push_back(cours[0]);
        bougies.h.push_back(cours[1]);
        bougies.l.push_back(cours[2]);
        bougies.c.push_back(cours[3]);
        bougies.volumes.push_back(volume);
    }
    return lecture;
}

}  // namespace vantorelle
