#include "analysis/LecteurHistorique.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "store/Erreur.h"
#include "store/LectureParBlocs.h"
#include "store/LecturePositionnee.h"
#include "store/RechercheParCle.h"

namespace vantorelle {

namespace {

// The typical length of a history line, which the search on the keys works with.
constexpr std::int32_t TailleLigne = 50;
// The end of a history file read first: it holds more than a year of daily quotes.
constexpr std::int64_t TailleQueue = 16384;
// Some editors start a UTF-8 file with it.
constexpr std::string_view MarqueUTF8 = "\xEF\xBB\xBF";

std::string_view premierChamp(std::string_view ligne) { return ligne.substr(0, ligne.find('\t')); }

// The high bit of each byte of the word that is a TAB.
constexpr std::uint64_t tabulations(std::uint64_t mot) {
    constexpr std::uint64_t basses = 0x7F7F7F7F7F7F7F7F;
    const std::uint64_t x = mot ^ 0x0909090909090909;
    return ~(((x & basses) + basses) | x | basses);
}

}  // namespace

LecteurHistorique::LecteurHistorique(const std::filesystem::path& chemin, MémoireLecture& mémoire)
    : chemin_(chemin), mémoire_(mémoire) {
    mémoire_.lignes.clear();
    if (chemin.empty()) return;
    fichier_ = LecturePositionnée::siFichierRégulier(chemin.string(), octetsLus_);
    if (fichier_) longueur_ = fichier_->longueur();
}

LecteurHistorique::~LecteurHistorique() = default;

std::int32_t LecteurHistorique::découper(std::string_view ligne, std::uint32_t (&fins)[6]) {
    std::int32_t nombre = 0;
    // False for a seventh field end, which shows more than 6 fields.
    const auto finDeChamp = [&](std::size_t k) {
        if (nombre == 6) return false;
        fins[nombre++] = static_cast<std::uint32_t>(k);
        return true;
    };
    const std::size_t taille = ligne.size();
    if (std::endian::native == std::endian::little && taille >= 8) {
        // Eight bytes at a time: this runs on every line of a history. The last word ends with the line, and
        // drops the bytes before it that the word before covered.
        for (std::size_t base = 0; base < taille; base += 8) {
            const std::size_t début = std::min(base, taille - 8);
            std::uint64_t mot;
            std::memcpy(&mot, ligne.data() + début, 8);
            for (std::uint64_t tabs = tabulations(mot) & (~std::uint64_t{0} << (8 * (base - début))); tabs != 0;
                 tabs &= tabs - 1)
                if (!finDeChamp(début + static_cast<std::size_t>(std::countr_zero(tabs)) / 8)) return 7;
        }
    } else {
        for (std::size_t k = 0; k < taille; ++k)
            if (ligne[k] == '\t' && !finDeChamp(k)) return 7;
    }
    return finDeChamp(taille) ? nombre : 7;
}

void LecteurHistorique::champs(const Ligne& ligne, std::string_view (&champs)[6]) const {
    const std::string_view texte = this->texte(ligne);
    std::uint32_t début = 0;
    for (std::int32_t k = 0; k < std::min(ligne.nombreDeChamps, 6); ++k) {
        champs[k] = texte.substr(début, ligne.finsDesChamps[k] - début);
        début = ligne.finsDesChamps[k] + 1;
    }
}

std::optional<Jour> LecteurHistorique::dateExaminée(std::string_view ligne) {
    std::uint32_t fins[6];
    if (!datée(découper(ligne, fins), fins)) return std::nullopt;
    return Jour::deClé(ligne.substr(0, fins[0]));
}

const char* LecteurHistorique::octets() const { return mémoire_.octets.data(); }

const std::vector<LecteurHistorique::Ligne>& LecteurHistorique::lignes() const { return mémoire_.lignes; }

void LecteurHistorique::couvrir(std::int64_t début, std::int64_t fin) {
    début = std::max<std::int64_t>(début, 0);
    fin = std::min(fin, longueur_);
    if (début >= fin) return;
    std::vector<char>& tampon = mémoire_.octets;
    auto place = [&tampon](std::size_t taille) {
        if (tampon.size() < taille) tampon.resize(std::max(taille, 2 * tampon.size()));
    };
    auto lire = [this](char* destination, std::int64_t de, std::int64_t à) {
        const auto attendus = static_cast<std::size_t>(à - de);
        if (fichier_->lire(destination, attendus, de) != attendus)
            throw ErreurFichier("Le fichier " + chemin_.string() + " a changé pendant sa lecture.");
    };
    if (taille_ == 0) {
        place(static_cast<std::size_t>(fin - début));
        lire(tampon.data(), début, fin);
        début_ = début;
        taille_ = static_cast<std::size_t>(fin - début);
        return;
    }
    // Each further read doubles its step, and forward reads at least as much again as is held, so walking
    // a long way costs few reads.
    if (début < début_) {
        const std::int64_t de = std::max<std::int64_t>(0, std::min(début, début_ - agrandissement_));
        const auto ajoutés = static_cast<std::size_t>(début_ - de);
        place(taille_ + ajoutés);
        std::memmove(tampon.data() + ajoutés, tampon.data(), taille_);
        lire(tampon.data(), de, début_);
        début_ = de;
        taille_ += ajoutés;
        agrandissement_ *= 2;
    }
    if (fin > finLue()) {
        const std::int64_t à = std::min(
            longueur_, std::max({fin, finLue() + agrandissement_, finLue() + static_cast<std::int64_t>(taille_)}));
        const auto ajoutés = static_cast<std::size_t>(à - finLue());
        place(taille_ + ajoutés);
        lire(tampon.data() + taille_, finLue(), à);
        taille_ += ajoutés;
        agrandissement_ *= 2;
    }
}

std::int64_t LecteurHistorique::finDeLigne(std::int64_t position) {
    std::int64_t depuis = position;
    for (;;) {
        if (depuis < début_ || depuis >= finLue()) couvrir(depuis, depuis + 1);
        const std::int64_t lus = finLue();
        if (depuis >= lus) return longueur_;
        const char* base = octets() + (depuis - début_);
        if (const void* lf = std::memchr(base, '\n', static_cast<std::size_t>(lus - depuis)))
            return depuis + (static_cast<const char*>(lf) - base);
        if (lus >= longueur_) return longueur_;
        depuis = lus;
    }
}

std::int64_t LecteurHistorique::débutDeLigne(std::int64_t position) {
    std::int64_t jusque = position;
    while (jusque > 0) {
        couvrir(jusque - 1, jusque);
        for (std::int64_t k = jusque - 1; k >= début_; --k)
            if (octet(k) == '\n') return k + 1;
        jusque = début_;
    }
    return 0;
}

std::int64_t LecteurHistorique::débutDeLigneSuivante(std::int64_t position) {
    if (position == 0) return 0;
    couvrir(position - 1, position);
    if (octet(position - 1) == '\n') return position;
    return finDeLigne(position) + 1;
}

std::int64_t LecteurHistorique::débutDuTexte(std::int64_t début, std::int64_t fin) const {
    const auto marque = static_cast<std::int64_t>(MarqueUTF8.size());
    if (début == 0 && fin >= marque && std::string_view(octets() - début_, MarqueUTF8.size()) == MarqueUTF8)
        return marque;
    return début;
}

std::string_view LecteurHistorique::contenu(std::int64_t début, std::int64_t fin) const {
    début = débutDuTexte(début, fin);
    std::string_view ligne(octets() + (début - début_), static_cast<std::size_t>(fin - début));
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    return ligne;
}

std::int64_t LecteurHistorique::débutDernièreBougie() {
    couvrir(longueur_ - 1, longueur_);
    // Past an unterminated last line, as if a line end followed it.
    std::int64_t suivante = octet(longueur_ - 1) == '\n' ? longueur_ : longueur_ + 1;
    while (suivante > 0) {
        const std::int64_t début = débutDeLigne(suivante - 1);
        if (dateDeBougie(contenu(début, suivante - 1))) return début;
        suivante = début;
    }
    return -1;
}

std::int64_t LecteurHistorique::finsDeLigne(std::int64_t de, std::int64_t à) {
    std::vector<char> morceau(static_cast<std::size_t>(std::clamp<std::int64_t>(à - de, 0, 1 << 16)));
    std::int64_t fins = 0;
    for (std::int64_t p = de; p < à;) {
        const std::size_t lus =
            fichier_->lire(morceau.data(), std::min(morceau.size(), static_cast<std::size_t>(à - p)), p);
        if (lus == 0) break;  // the file was cut since it was opened
        fins += std::count(morceau.begin(), morceau.begin() + static_cast<std::ptrdiff_t>(lus), '\n');
        p += static_cast<std::int64_t>(lus);
    }
    return fins;
}

std::int64_t LecteurHistorique::numéro(std::size_t k) {
    if (numéroPremière_ > 0) return numéroPremière_ + static_cast<std::int64_t>(k);
    return finsDeLigne(0, mémoire_.lignes[k].début) + 1;
}

std::int64_t LecteurHistorique::lignesAprès(std::int64_t début) {
    // Each LF starts a line, but the one that ends the file.
    return finsDeLigne(début, longueur_ - 1);
}

std::string_view LecteurHistorique::toutLeFichier() {
    couvrir(0, longueur_);
    return {octets(), static_cast<std::size_t>(longueur_)};
}

void LecteurHistorique::lireLignes(std::int64_t début, Jour premier, Jour dernier) {
    std::vector<Ligne>& lignes = mémoire_.lignes;
    lignes.clear();
    // Read from the start of a region, lines are taken from a first read of a year of quotes or so.
    if (taille_ == 0) couvrir(début, début + TailleQueue);
    for (std::int64_t p = début; p < longueur_;) {
        const std::int64_t f = finDeLigne(p);
        const std::string_view texte = contenu(p, f);
        // Filled field by field: a line built whole on the stack and then copied would be read back wider
        // than it was written, which stalls.
        Ligne& ligne = lignes.emplace_back();
        ligne.début = débutDuTexte(p, f);
        ligne.longueur = static_cast<std::int32_t>(texte.size());
        ligne.nombreDeChamps = découper(texte, ligne.finsDesChamps);
        p = f + 1;
        if (!datée(ligne.nombreDeChamps, ligne.finsDesChamps)) continue;
        const Jour date = ligne.date.emplace(Jour::deClé(texte.substr(0, ligne.finsDesChamps[0])));
        if (!(date < premier) && date > dernier) break;
    }
    numéroPremière_ = début == 0 ? 1 : 0;
}

std::optional<Jour> LecteurHistorique::premièreDate() {
    if (longueur_ == 0) return std::nullopt;
    couvrir(0, TailleLigne);
    for (std::int64_t p = 0; p < longueur_;) {
        const std::int64_t f = finDeLigne(p);
        const std::string_view ligne = contenu(p, f);
        if (!ligne.empty()) return Jour::deClé(premierChamp(ligne));
        p = f + 1;
    }
    return Jour();
}

std::optional<Jour> LecteurHistorique::dernièreDate() {
    if (longueur_ == 0) return std::nullopt;
    if (!dernièreDate_) {
        // Bytes kept far from the end would be read through to it.
        if (finLue() < longueur_) oublierLesOctets();
        couvrir(longueur_ - TailleLigne - 1, longueur_);
        const std::int64_t début = débutDernièreBougie();
        dernièreDate_ = début < 0 ? Jour() : *dateDeBougie(contenu(début, finDeLigne(début)));
    }
    return dernièreDate_;
}

bool LecteurHistorique::datéeDepuis(std::int64_t position, Jour premier) {
    std::string morceau;
    for (std::int64_t taille = 512;; taille *= 2) {
        const std::int64_t de = std::max<std::int64_t>(position - 1, 0);
        morceau.resize(static_cast<std::size_t>(std::min(taille, longueur_ - de)));
        morceau.resize(fichier_->lire(morceau.data(), morceau.size(), de));
        const bool jusquÀLaFin = de + static_cast<std::int64_t>(morceau.size()) >= longueur_;
        std::string_view reste(morceau);
        if (position > 0) {
            const std::size_t lf = reste.find('\n');
            if (lf == std::string_view::npos) {
                if (jusquÀLaFin) return true;
                continue;
            }
            reste.remove_prefix(lf + 1);
        }
        for (;;) {
            const std::size_t lf = reste.find('\n');
            if (lf == std::string_view::npos && !jusquÀLaFin) break;
            std::string_view ligne = reste.substr(0, lf);
            if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
            if (const auto date = dateDeBougie(ligne)) return !(*date < premier);
            if (lf == std::string_view::npos) return true;
            reste.remove_prefix(lf + 1);
        }
    }
}

std::int64_t LecteurHistorique::débutParDichotomie(Jour premier) {
    // Every dated line before `bas` is dated before `premier`; the first one from `haut` on is not.
    std::int64_t bas = 0, haut = longueur_;
    while (haut - bas > 1024) {
        const std::int64_t milieu = bas + (haut - bas) / 2;
        (datéeDepuis(milieu, premier) ? haut : bas) = milieu;
    }
    return bas;
}

std::optional<Jour> LecteurHistorique::premièreDateDepuis(std::int64_t position) {
    for (std::int64_t p = position; p < longueur_;) {
        const std::int64_t f = finDeLigne(p);
        if (const auto date = dateDeBougie(contenu(p, f))) return date;
        p = f + 1;
    }
    return std::nullopt;
}

std::optional<std::int64_t> LecteurHistorique::débutDansLaQueue(Jour premier) {
    couvrir(longueur_ - TailleQueue - 1, longueur_);
    // Taken while the end of the file is at hand: a load that stops early compares it, and would read it again.
    dernièreDate();
    // Every dated line from `bas` on up to the first one from `haut` on is dated before `premier`.
    std::int64_t bas = début_ == 0 ? 0 : débutDeLigneSuivante(début_ + 1);
    if (const auto date = premièreDateDepuis(bas); !date || !(*date < premier)) return std::nullopt;
    std::int64_t haut = longueur_;
    while (haut - bas > TailleLigne) {
        const std::int64_t milieu = débutDeLigneSuivante(bas + (haut - bas) / 2);
        if (milieu >= haut) break;
        const auto date = premièreDateDepuis(milieu);
        (date && *date < premier ? bas : haut) = milieu;
    }
    for (std::int64_t p = bas; p < haut;) {
        const std::int64_t f = finDeLigne(p);
        if (const auto date = dateDeBougie(contenu(p, f)); date && !(*date < premier)) break;
        p = bas = std::min(f + 1, longueur_);
    }
    if (!bienPlacé(bas, premier)) return std::nullopt;
    return bas;
}

bool LecteurHistorique::bienPlacé(std::int64_t début, Jour premier) {
    constexpr int LignesAuPlus = 8;
    bool avantLaFenêtre = false;
    std::int64_t suivante = début;
    for (int k = 0; k < LignesAuPlus && suivante > 0 && !avantLaFenêtre; ++k) {
        const std::int64_t précédente = débutDeLigne(suivante - 1);
        if (const auto date = dateDeBougie(contenu(précédente, suivante - 1))) {
            if (!(*date < premier)) return false;
            avantLaFenêtre = true;
        }
        suivante = précédente;
    }
    if (!avantLaFenêtre && suivante > 0) return false;
    std::int64_t p = début;
    for (int k = 0; k < LignesAuPlus && p < longueur_; ++k) {
        const std::int64_t f = finDeLigne(p);
        if (const auto date = dateDeBougie(contenu(p, f)); date && !(*date < premier)) return true;
        p = f + 1;
    }
    return p >= longueur_;
}

void LecteurHistorique::oublierLesOctets() {
    taille_ = 0;
    agrandissement_ = 256;
}

std::int64_t LecteurHistorique::débutParLesClés(Jour premier, Jour dernier) {
    oublierLesOctets();
    // A window from before the file's first date, as a scan of the whole history asks, needs no search.
    if (datéeDepuis(0, premier)) return 0;
    // The search on the keys gives distances from the end of the file: about two lines before the window's
    // first date and three lines after its last.
    LectureParBlocs blocs(*fichier_);
    const auto lire = [&blocs](std::int64_t de, std::size_t n) { return blocs.lire(de, n); };
    const std::int64_t avant = rechercheParClé(longueur_, premier.texte(), TailleLigne, true, lire);
    const std::int64_t après = rechercheParClé(longueur_, dernier.texte(), TailleLigne, false, lire);
    const std::int64_t de = std::clamp<std::int64_t>(longueur_ - avant - 1, 0, longueur_);
    const std::int64_t à = après <= 0 ? longueur_ : std::clamp<std::int64_t>(longueur_ - après - 1, de, longueur_);
    // A margin each side spares the small reads of the checks around the guess and of the last line.
    constexpr std::int64_t marge = 1024;
    couvrir(de - 1 - marge, à + marge);
    const std::int64_t début = débutDeLigneSuivante(de);
    if (bienPlacé(début, premier)) return début;
    // Lines of 50 bytes or more, or keys cut short, mislead that search: search again on whole lines.
    oublierLesOctets();
    return débutDeLigneSuivante(débutParDichotomie(premier));
}

void LecteurHistorique::fenêtre(Jour premier, Jour dernier) {
    if (longueur_ == 0) return;
    std::int64_t début = 0;
    if (!premier.estZéro()) {
        const std::optional<std::int64_t> dansLaQueue = débutDansLaQueue(premier);
        début = dansLaQueue ? *dansLaQueue : débutParLesClés(premier, dernier);
        // No line before the start may be one to load: go back to the last dated line before the window's
        // first date (undated and malformed lines are skipped by the load anyway).
        std::int64_t suivante = début;
        while (suivante > 0) {
            const std::int64_t précédente = débutDeLigne(suivante - 1);
            if (const auto date = dateDeBougie(contenu(précédente, suivante - 1))) {
                if (*date < premier) break;
                début = précédente;
            }
            suivante = précédente;
        }
        if (suivante == 0) début = 0;
    }
    lireLignes(début, premier, dernier);
}

void LecteurHistorique::queue(std::int32_t n) {
    if (longueur_ == 0) return;
    const std::int64_t de = std::max<std::int64_t>(0, longueur_ - n - 1);
    couvrir(de - 1, longueur_);
    std::int64_t début = débutDeLigneSuivante(de);
    bool uneBougie = false;
    for (std::int64_t p = début; p < longueur_ && !uneBougie;) {
        const std::int64_t f = finDeLigne(p);
        uneBougie = dateDeBougie(contenu(p, f)).has_value();
        p = f + 1;
    }
    if (!uneBougie) {
        const std::int64_t dernière = débutDernièreBougie();
        if (dernière >= 0) début = dernière;
    }
    lireLignes(début);
}

}  // namespace vantorelle
