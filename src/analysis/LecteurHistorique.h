#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Jour.h"

namespace vantorelle {

class LecturePositionnée;

/// Memory that readers of history files keep from one load to the next, so that an object reloaded for
/// many files allocates once.
struct MémoireLecture;

/// Reads from a history file (lines sorted by their date key) the lines a load needs, and only the bytes
/// around them: the search on the keys finds the window, then the reader checks that no line of the window
/// was left out and reads further where one was. A line ends at LF or CR LF; a last line needs no line end.
/// A UTF-8 byte-order mark at the file's start is no part of the first line.
class LecteurHistorique {
public:
    /// A line read: where it lies in the file (without its line end), where its TAB-separated fields end,
    /// and the date a load examines on it.
    struct Ligne {
        std::int64_t début;
        std::int32_t longueur;
        std::int32_t nombreDeChamps;  // up to 7, standing for more than 6
        std::uint32_t finsDesChamps[6];
        std::optional<Jour> date;
    };

    /// A missing file (or a path naming no regular file) reads as a file without lines.
    LecteurHistorique(const std::filesystem::path& chemin, MémoireLecture& mémoire);
    ~LecteurHistorique();
    LecteurHistorique(const LecteurHistorique&) = delete;
    LecteurHistorique& operator=(const LecteurHistorique&) = delete;

    /// The date of the first non-empty line (the zero date when every line is empty); nothing for a file
    /// without lines.
    std::optional<Jour> premièreDate();
    /// The date of the last line that reads as a candle (see `dateDeBougie`), the zero date when none does;
    /// nothing for a file without lines. Found once; starts a new region of bytes when those kept do not reach
    /// the end.
    std::optional<Jour> dernièreDate();

    /// Reads the lines to examine for the dates `premier` to `dernier`: from the first line that a read of
    /// the whole file would load through the first line dated after `dernier` (or the end of the file).
    void fenêtre(Jour premier, Jour dernier);

    /// Reads the whole lines within the last n bytes of the file; from the last line that reads as a candle
    /// when they hold none.
    void queue(std::int32_t n);

    /// The lines of the last `fenêtre` or `queue`, in file order.
    const std::vector<Ligne>& lignes() const;
    /// The number in the file of the first of them, or 0 when they do not start at the file's start.
    std::int64_t numéroPremière() const { return numéroPremière_; }
    /// The number in the file of line k of them; where the lines do not start at the file's start, counted on
    /// the line ends before it, which reads the file up to it (apart from the bytes kept: lines stay valid).
    std::int64_t numéro(std::size_t k);
    /// The number of lines after the line read that starts at `début`, counted on the file's line ends (read
    /// apart from the bytes kept).
    std::int64_t lignesAprès(std::int64_t début);

    /// Whether the path names a regular file.
    bool existe() const { return fichier_ != nullptr; }
    /// Every byte of the file, to tell why it holds no candle; valid until the next read.
    std::string_view toutLeFichier();
    /// The text of a line read, in the file's bytes; valid until the next read.
    std::string_view texte(const Ligne& ligne) const {
        return {octets() + (ligne.début - début_), static_cast<std::size_t>(ligne.longueur)};
    }

    /// Fields 1 to 6 of a line read (those it has).
    void champs(const Ligne& ligne, std::string_view (&champs)[6]) const;

    /// The date a load examines on a line: nothing when the line is skipped for its shape (fewer than 6
    /// TAB-separated fields, or an empty first field), else the date of its first field.
    static std::optional<Jour> dateExaminée(std::string_view ligne);
    /// The date of a line that reads as a candle: one the load examines, dated by a real date.
    static std::optional<Jour> dateDeBougie(std::string_view ligne) {
        const std::optional<Jour> date = dateExaminée(ligne);
        if (date && date->estZéro()) return std::nullopt;
        return date;
    }

private:
    void couvrir(std::int64_t début, std::int64_t fin);
    std::int64_t finDeLigne(std::int64_t position);
    std::int64_t débutDeLigne(std::int64_t position);
    std::int64_t débutDeLigneSuivante(std::int64_t position);
    /// The line from `début` to its line end at `fin`, without a CR before it.
    std::string_view contenu(std::int64_t début, std::int64_t fin) const;
    /// Where the text of the line from `début` to `fin` starts: after the byte-order mark on the first line.
    std::int64_t débutDuTexte(std::int64_t début, std::int64_t fin) const;
    /// The start of the last line that reads as a candle, or -1.
    std::int64_t débutDernièreBougie();
    /// The LF bytes from `de` to `à`, read apart from the bytes kept.
    std::int64_t finsDeLigne(std::int64_t de, std::int64_t à);
    /// Whether a load examines the date of a line of this shape.
    static bool datée(std::int32_t nombreDeChamps, const std::uint32_t (&fins)[6]) {
        return nombreDeChamps >= 6 && fins[0] != 0;
    }
    /// Where the first fields of a line end, and how many fields it has (up to 7, standing for more).
    static std::int32_t découper(std::string_view ligne, std::uint32_t (&fins)[6]);
    /// Reads the lines from `début` to the end of the file, or through the first line that ends a load of the
    /// dates `premier` to `dernier`.
    void lireLignes(std::int64_t début, Jour premier = Jour(), Jour dernier = Jour::de(9999, 12, 31));
    const char* octets() const;
    std::int64_t finLue() const { return début_ + static_cast<std::int64_t>(taille_); }
    char octet(std::int64_t position) const { return octets()[position - début_]; }
    /// Whether the window may start at this line: the dated line before it is dated before `premier` and
    /// one of the next few lines is not.
    bool bienPlacé(std::int64_t début, Jour premier);
    /// Drops the bytes kept, so that the next read starts a new region.
    void oublierLesOctets();
    /// The window's start found by the search on the keys, checked on whole lines.
    std::int64_t débutParLesClés(Jour premier, Jour dernier);
    /// Most scans look at the latest quotes: the start of a window that lies in the end of the file, found
    /// there by halves, or nothing.
    std::optional<std::int64_t> débutDansLaQueue(Jour premier);
    /// The date of the first dated line from the line starting at `position` on, if any.
    std::optional<Jour> premièreDateDepuis(std::int64_t position);
    /// A position before the first line dated from `premier` on, and within 1 KB of it, found by halves, in a
    /// file whose first dated line is dated before `premier`.
    std::int64_t débutParDichotomie(Jour premier);
    /// Whether the first dated line from the position on is dated from `premier` on (true when none is);
    /// reads apart from the bytes kept.
    bool datéeDepuis(std::int64_t position, Jour premier);

    std::filesystem::path chemin_;
    MémoireLecture& mémoire_;
    std::unique_ptr<LecturePositionnée> fichier_;
    std::uint64_t octetsLus_ = 0;
    std::int64_t longueur_ = 0;
    // The bytes read so far: one region [début_, début_ + taille_) of the file, kept in the memory's buffer.
    std::int64_t début_ = 0;
    std::size_t taille_ = 0;
    std::int64_t agrandissement_ = 256;
    std::int64_t numéroPremière_ = 0;
    std::optional<Jour> dernièreDate_;  // of a file with lines, once found
};

}  // namespace vantorelle

namespace vantorelle {

struct MémoireLecture {
    std::vector<char> octets;  // raw storage: only the reader's region is meaningful
    std::vector<LecteurHistorique::Ligne> lignes;
};

}  // namespace vantorelle
