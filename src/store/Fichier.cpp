#include "store/Fichier.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "store/Chemins.h"
#include "store/EcritureAtomique.h"
#include "store/Encodage.h"
#include "store/ErreurSysteme.h"
#include "store/LecturePositionnee.h"
#include "store/RechercheParCle.h"

namespace vantorelle {

namespace {

/// The bytes ToString(n, p) reads in a file of `longueur` bytes, n and p not negative.
struct Tranche {
    std::int64_t début = 0;
    std::int64_t taille = 0;
};

Tranche tranche(std::int32_t n, std::int32_t p, std::int64_t longueur) {
    std::int64_t m = (n == 0 || n > longueur) ? longueur : n;
    const std::int64_t q = p == 0 ? m : p;
    if (m > q) m = q;
    // The read starts at byte L - q counted from 1: one byte before the last q.
    return {q < longueur ? longueur - q - 1 : 0, m};
}

/// Whether the file's lines read as UTF-8: the whole file is looked at only when it may be.
bool litEnUtf8(LecturePositionnée& fichier, bool utf8SansMarque) {
    char début[3];
    const std::size_t n = fichier.lire(début, sizeof début, 0);
    if (!utf8SansMarque && !avecMarqueUtf8(std::string_view(début, n))) return false;
    std::string octets(static_cast<std::size_t>(fichier.longueur()), '\0');
    octets.resize(fichier.lire(octets.data(), octets.size(), 0));
    return lisibleEnUtf8(octets, utf8SansMarque);
}

/// Calls `surLigne(octets, dernier)` for each line of `taille` bytes from `début`, in file bytes without
/// their line end (LF, or CR LF), then once with `dernier` true for what follows the last LF, even empty.
/// Stops when `surLigne` returns false. Reads by blocks, so a line may be of any length; after the first
/// block, `prévoir` is told about how many lines to expect, so the caller can make room for them at once.
template <class Prévoir, class SurLigne>
void parcourirLignes(LecturePositionnée& fichier, std::int64_t début, std::int64_t taille, Prévoir prévoir,
                     SurLigne surLigne) {
    constexpr std::size_t tailleBloc = std::size_t{1} << 20;
    const auto bloc = std::make_unique_for_overwrite<char[]>(tailleBloc);
    std::string débutDeLigne;
    for (std::int64_t lus = 0; lus < taille;) {
        const auto àLire = static_cast<std::size_t>(std::min<std::int64_t>(tailleBloc, taille - lus));
        const std::size_t n = fichier.lire(bloc.get(), àLire, début + lus);
        if (n == 0) break;
        if (lus == 0) {
            // Capped, so that a first block of blank lines does not reserve far more than the file needs.
            const auto finsDeLigne = static_cast<std::int64_t>(std::count(bloc.get(), bloc.get() + n, '\n'));
            const std::int64_t estimation = (finsDeLigne + 1) * taille / static_cast<std::int64_t>(n);
            prévoir(static_cast<std::size_t>(std::min(estimation, taille / 8 + 1)));
        }
        lus += static_cast<std::int64_t>(n);
        const char* curseur = bloc.get();
        const char* const fin = bloc.get() + n;
        for (;;) {
            const auto* lf =
                static_cast<const char*>(std::memchr(curseur, '\n', static_cast<std::size_t>(fin - curseur)));
            if (lf == nullptr) {
                débutDeLigne.append(curseur, fin);
                break;
            }
            std::string_view ligne(curseur, static_cast<std::size_t>(lf - curseur));
            if (!débutDeLigne.empty()) {
                débutDeLigne.append(ligne);
                ligne = débutDeLigne;
            }
            if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
            const bool continuer = surLigne(ligne, false);
            débutDeLigne.clear();
            if (!continuer) return;
            curseur = lf + 1;
        }
    }
    surLigne(std::string_view(débutDeLigne), true);
}

/// Field number `colonne` (from 1) of a tab-separated line; empty beyond the last field.
std::string_view champ(std::string_view ligne, std::int32_t colonne) {
    for (std::int32_t k = 1; k < colonne; ++k) {
        const std::size_t tab = ligne.find('\t');
        if (tab == std::string_view::npos) return {};
        ligne.remove_prefix(tab + 1);
    }
    return ligne.substr(0, ligne.find('\t'));
}

}  // namespace

std::string Fichier::NomCourt() const { return NomCourtDe(nomLong_); }

std::string Fichier::Répertoire() const { return RépertoireDe(nomLong_); }

std::string Fichier::Disque() const { return DisqueDe(nomLong_); }

bool Fichier::Existe() const {
    struct stat état {};
    // Only a regular file: opening a pipe or a device to read it could wait forever.
    return !nomLong_.empty() && ::stat(nomLong_.c_str(), &état) == 0 && S_ISREG(état.st_mode);
}

std::string Fichier::ToString(std::int32_t n, std::int32_t p) const {
    if (n < 0 || p < 0 || !Existe()) return {};
    LecturePositionnée fichier(nomLong_, octetsLus_);
    const Tranche t = tranche(n, p, fichier.longueur());
    std::string octets(static_cast<std::size_t>(t.taille), '\0');
    octets.resize(fichier.lire(octets.data(), octets.size(), t.début));
    return depuisWindows1252(octets);
}

void Fichier::Charger(std::int32_t p1, std::int32_t p2, bool rapide) {
    if (!Existe()) return;
    LecturePositionnée fichier(nomLong_, octetsLus_);
    if (rapide) {
        Tableau<std::string> morceaux;
        if (p1 >= 0 && p2 >= 0) {
            const Tranche t = tranche(p1, p2, fichier.longueur());
            const auto prévoir = [&](std::size_t lignes) { morceaux.reserve(lignes); };
            parcourirLignes(fichier, t.début, t.taille, prévoir, [&](std::string_view octets, bool dernier) {
                // A text ending with a line break still gives an empty last piece; an empty text gives none.
                if (!dernier || t.taille > 0) morceaux.push_back(depuisWindows1252(octets));
                return true;
            });
        }
        data_.FromArray(std::move(morceaux));
    } else {
        const std::int64_t dernière = p1 != 0 ? std::int64_t{p1} - p2 + 1 : std::numeric_limits<std::int64_t>::max();
        std::int64_t numéro = 0;
        const auto prévoir = [&](std::size_t lignes) {
            if (p1 != 0) {
                const std::int64_t voulues = dernière - std::max(p2, 1) + 1;
                lignes = std::min(lignes, static_cast<std::size_t>(std::max<std::int64_t>(voulues, 0)));
            }
            data_.réserver(static_cast<std::size_t>(data_.Count()) + lignes);
        };
        const bool utf8 = litEnUtf8(fichier, utf8SansMarque_);
        parcourirLignes(fichier, 0, fichier.longueur(), prévoir, [&](std::string_view octets, bool dernier) {
            if (dernier && octets.empty()) return false;
            if (++numéro > dernière) return false;
            if (numéro == 1) octets = sansMarqueUtf8(octets);
            if (numéro >= p2) data_.Add(utf8 ? std::string(octets) : depuisWindows1252(octets));
            return true;
        });
    }
    if (data_.Count() > 1 && data_.Item(data_.Count()).empty()) data_.Count(data_.Count() - 1);
}

void Fichier::Décharger(std::string_view texte, std::int16_t mode) {
    std::string octets;
    if (texte.empty()) {
        for (std::int32_t i = 1; i <= data_.Count(); ++i) {
            ajouterVersWindows1252(octets, data_.Item(i));
            octets += "\r\n";
        }
    } else {
        ajouterVersWindows1252(octets, texte);
        octets += "\r\n";
    }
    if (mode == 1) {
        écrireAtomiquement(nomLong_, octets);
        return;
    }
    const int descripteur = ::open(nomLong_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (descripteur < 0) throw erreurSysteme(nomLong_, "écriture impossible", errno);
    std::string_view reste = octets;
    while (!reste.empty()) {
        const ssize_t écrits = ::write(descripteur, reste.data(), reste.size());
        if (écrits < 0 && errno == EINTR) continue;
        if (écrits < 0) {
            const int numéroErreur = errno;
            ::close(descripteur);
            throw erreurSysteme(nomLong_, "écriture impossible", numéroErreur);
        }
        reste.remove_prefix(static_cast<std::size_t>(écrits));
    }
    if (::close(descripteur) != 0) throw erreurSysteme(nomLong_, "écriture impossible", errno);
}

void Fichier::Supprimer() {
    if (Existe() && ::unlink(nomLong_.c_str()) != 0) throw erreurSysteme(nomLong_, "suppression impossible", errno);
}

std::int32_t Fichier::TrouveSeek(std::string_view clé, std::int32_t taille, bool avant) const {
    if (!Existe()) return 0;
    LecturePositionnée fichier(nomLong_, octetsLus_);
    std::string octets;
    return rechercheParClé(fichier.longueur(), clé, taille, avant, [&](std::int64_t début, std::size_t n) {
        octets.resize(n);
        octets.resize(fichier.lire(octets.data(), n, début));
        return std::string_view(octets);
    });
}

std::int16_t Fichier::TailleLigne() {
    Charger(1024, 0, true);
    if (data_.Count() > data_.Capacité()) throw ErreurIndice();
    std::size_t plusLongue = 0;
    for (const std::string& ligne : data_.valeurs()) plusLongue = std::max(plusLongue, longueurWindows1252(ligne));
    if (plusLongue > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw ErreurConversion("Dépassement de capacité");
    return static_cast<std::int16_t>(plusLongue);
}

void Fichier::Trier(bool ascendant, bool casse) { data_.Sort(ascendant, casse); }

void Fichier::Dédupliquer(std::int32_t colonne) {
    if (colonne < 0) throw ErreurIndice();
    Arr<std::string> sansDoublons;
    if (data_.Count() > 0) sansDoublons.Add(data_.Item(1));
    for (std::int32_t i = 2; i <= data_.Count(); ++i) {
        const std::string& ligne = data_.Item(i);
        const std::string& précédente = data_.Item(i - 1);
        const bool différente =
            colonne == 0 ? ligne != précédente : champ(ligne, colonne) != champ(précédente, colonne);
        if (différente) sansDoublons.Add(ligne);
    }
    data_ = std::move(sansDoublons);
}

}  // namespace vantorelle
