#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace vantorelle {

/// A file open for positioned reads only (no read-ahead), closed on destruction. Every byte a read returns
/// is added to the caller's counter.
class LecturePositionnée {
public:
    /// Opens the file; throws ErreurFichier naming it when it cannot be opened.
    LecturePositionnée(const std::string& chemin, std::uint64_t& octetsLus);
    /// Opens the file if the path names a regular file, else gives nothing (a missing file, a folder); throws
    /// ErreurFichier naming it when it is a regular file that cannot be opened.
    static std::unique_ptr<LecturePositionnée> siFichierRégulier(const std::string& chemin, std::uint64_t& octetsLus);
    ~LecturePositionnée();
    LecturePositionnée(const LecturePositionnée&) = delete;
    LecturePositionnée& operator=(const LecturePositionnée&) = delete;

    /// The file's length in bytes when it was opened.
    std::int64_t longueur() const { return longueur_; }

    /// Reads up to `taille` bytes from byte `début` (counted from 0) into `destination`; fewer at the end of
    /// the file or past the length it had when opened. Returns the number of bytes read; throws ErreurFichier
    /// on a read error.
    std::size_t lire(char* destination, std::size_t taille, std::int64_t début);

private:
    LecturePositionnée(const std::string& chemin, std::uint64_t& octetsLus, int descripteur, std::int64_t longueur)
        : chemin_(chemin), octetsLus_(octetsLus), descripteur_(descripteur), longueur_(longueur) {}

    std::string chemin_;
    std::uint64_t& octetsLus_;
    int descripteur_;
    std::int64_t longueur_ = 0;
};

}  // namespace vantorelle
