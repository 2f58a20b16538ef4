#include <algorithm>
#include <optional>
#include <span>

#include "analysis/AvertissementsChargement.h"
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
    std::string message = chemin.string() + " : ligne " + std::to_string(numéroLigne) + " : date " +
                          champCité(texteDuFichier(champs[0])) + " : champ " + std::to_string(illisible.champ + 1) +
                          " (" + NomsDesChamps[illisible.champ] + ") : \"" +
                          champCité(texteDuFichier(champs[illisible.champ])) + "\" ";
    message += illisible.lecture == LectureCours::Dépassement ? "dépasse la capacité." : "n'est pas un nombre.";
    // A file of another encoding or line ends fails on a field that holds what gives it away.
    const std::string_view champ = champs[illisible.champ];
    const auto nuls = static_cast<std::size_t>(std::count(champ.begin(), champ.end(), '\0'));
    if (!champ.empty() && nuls * 2 + 1 >= champ.size())
        message += std::string(" Le fichier semble ") + EnUtf16 + ".";
    else if (champ.find('\r') != std::string_view::npos)
        message += std::string(" Le fichier semble avoir des ") + FinsDeLigneCR + ".";
    return ErreurConversion(message);
}

bool blanche(std::string_view ligne) { return ligne.find_first_not_of(" \r") == ligne.npos; }

// A load without candles is worth a warning when the file holds none, not when the window missed them.
void avertirSansBougie(LecteurHistorique& lecteur, const std::filesystem::path& chemin,
                       Avertissements& avertissements) {
    if (!lecteur.existe()) return;
    if (const std::optional<Jour> dernière = lecteur.dernièreDate(); dernière && !dernière->estZéro()) return;
    avertissements.push_back({chemin.string(), 0, raisonSansBougie(lecteur.toutLeFichier())});
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
    avertissements_.clear();
    if (!brouillon_) brouillon_ = std::make_shared<Brouillon>();
    LectureBougies lecture;
    LecteurHistorique lecteur(chemin, brouillon_->lecture);
    const bool jusquÀLaDernière = dernier == FinDuFichier;
    const std::optional<Jour> début = premier == DébutDuFichier ? lecteur.premièreDate() : premier;
    const std::optional<Jour> fin = jusquÀLaDernière ? lecteur.dernièreDate() : dernier;
    // The markers find no date only in a file without lines.
    if (!début || !fin) {
        avertirSansBougie(lecteur, chemin, avertissements_);
        return lecture;
    }
    premier = *début;
    dernier = *fin;
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
    std::int64_t ignorées = 0;
    std::size_t premièreIgnorée = 0;
    std::optional<std::size_t> arrêt;
    // Every dated line has its six fields, which each line read overwrites.
    std::string_view champs[6];
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        const LecteurHistorique::Ligne& ligne = lignes[k];
        if (!ligne.date || *ligne.date < premier) {
            // Blank lines and earlier days are no news; lines of another shape and undated ones are.
            const bool ignorée = ligne.date ? ligne.date->estZéro() : !blanche(lecteur.texte(ligne));
            if (ignorée && ignorées++ == 0) premièreIgnorée = k;
            continue;
        }
        if (*ligne.date > dernier) {
            arrêt = k;
            break;
        }
        lecteur.champs(ligne, champs);
        float cours[4];
        Monnaie volume;
        if (const std::optional<ChampIllisible> illisible = lireBougie(champs, cours, volume)) {
            lecture.erreur = erreurDeChamp(chemin, lecteur.numéro(k), champs, *illisible);
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

    if (ignorées > 0) {
        const std::int64_t numéro = lecteur.numéroPremière() > 0 ? lecteur.numéro(premièreIgnorée) : 0;
        const std::string première = texteDuFichier(lecteur.texte(lignes[premièreIgnorée]));
        avertissements_.push_back({chemin.string(), numéro, raisonLignesIgnorées(ignorées, première)});
    }
    if (arrêt) {
        // A line dated after the window ends the load; when the file's last candle is not as late, that line
        // hides the lines of the window after it, as a slip in a date does.
        const LecteurHistorique::Ligne ligne = lignes[*arrêt];
        const Jour dernièreBougie = jusquÀLaDernière ? dernier : lecteur.dernièreDate().value_or(Jour());
        if (!(dernier < dernièreBougie))
            avertissements_.push_back({chemin.string(), lecteur.numéro(*arrêt),
                                       raisonArrêt(*ligne.date, dernièreBougie, lecteur.lignesAprès(ligne.début))});
    } else if (bougies.nombre() == 0 && !lecture.erreur) {
        avertirSansBougie(lecteur, chemin, avertissements_);
    }
    return lecture;
}

}  // namespace vantorelle
