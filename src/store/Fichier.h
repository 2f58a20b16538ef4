#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "store/Arr.h"

namespace vantorelle {

/// A text file: its path and its lines, held in UTF-8 in an `Arr`. The file itself is Windows-1252 with
/// CR LF line ends (LF alone is read too; UTF-8 where `LireUtf8SansMarque` says); sizes and positions count
/// the file's bytes. Every operation opens
/// and closes the file; reads are positioned reads of just the bytes needed.
class Fichier {
public:
    Fichier() = default;
    explicit Fichier(std::string nomLong) : nomLong_(std::move(nomLong)) {}

    const std::string& NomLong() const { return nomLong_; }
    void NomLong(std::string nomLong) { nomLong_ = std::move(nomLong); }
    /// The part of the path after its last "/"; empty when there is none or the path ends with one.
    std::string NomCourt() const;
    /// The part of the path up to and including its last "/"; empty in the same cases as NomCourt.
    std::string Répertoire() const;
    /// The text before the first ":" of the path; empty when there is none.
    std::string Disque() const;

    Arr<std::string>& Data() { return data_; }
    const Arr<std::string>& Data() const { return data_; }
    void Data(Arr<std::string> data) { data_ = std::move(data); }

    /// Reads m bytes ending one byte before the last q: m = n (the whole file when n is 0 or beyond it),
    /// q = p (m when p is 0), m at most q; from the start of the file when q reaches its length. Empty when
    /// the file is missing or n or p is negative.
    std::string ToString(std::int32_t n, std::int32_t p) const;

    /// Adds the file's lines to `Data`. Line mode: line i (from 1) when i >= p2 and, unless p1 is 0,
    /// i <= p1 - p2 + 1. Fast mode: `Data` becomes the pieces of ToString(p1, p2) split at line ends (the
    /// first may be the end of a line, the last may be cut or end with the CR of a slice stopping one byte
    /// short). Then an empty last line is dropped when `Data` holds more than one. A missing file adds nothing.
    void Charger(std::int32_t p1, std::int32_t p2, bool rapide);
    /// Whether the line mode reads a file of valid UTF-8 as UTF-8 even without a byte-order mark (a file
    /// with the mark always may be); otherwise it reads Windows-1252. The mark itself is never a line's text.
    void LireUtf8SansMarque(bool permis) { utf8SansMarque_ = permis; }

    /// Mode 1 rewrites the file, any other mode appends to it: `texte` and a line break, or when `texte` is
    /// empty every line of `Data`, each followed by a line break.
    void Décharger(std::string_view texte, std::int16_t mode);

    /// True when the file's length can be read.
    bool Existe() const;
    /// Deletes the file when it exists.
    void Supprimer();

    /// The distance from the end of the file at which reading finds `clé`, searching by halves a file sorted
    /// on its first tab-separated field with lines of about `taille` bytes; then 2 lines earlier (`avant`) or
    /// 3 later, within 0..length. 0 when the file is missing.
    std::int32_t TrouveSeek(std::string_view clé, std::int32_t taille, bool avant) const;

    /// Loads the lines of the last 1024 bytes and returns the greatest length, in file bytes, of a line of
    /// `Data`.
    std::int16_t TailleLigne();

    /// Sorts `Data` (binary order; the second flag is ignored).
    void Trier(bool ascendant, bool casse);

    /// Removes each line equal to the one before it, on the whole line (colonne 0) or on its tab-separated
    /// field number colonne.
    void Dédupliquer(std::int32_t colonne);

    /// Bytes returned by this object's reads of the file so far.
    std::uint64_t octetsLus() const { return octetsLus_; }

private:
    std::string nomLong_;
    Arr<std::string> data_;
    mutable std::uint64_t octetsLus_ = 0;
    bool utf8SansMarque_ = false;
};

}  // namespace vantorelle
