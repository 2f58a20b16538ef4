#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace vantorelle {

/// Replaces the file's content by `octets`: they are written to a temporary file in the same folder, which is
/// then renamed over the file, so the file is never seen half written; the file keeps its rights, and a
/// read-only file is not replaced. Temporary files of the same file that a killed run left more than an hour
/// ago are removed. Throws ErreurFichier naming the file.
void écrireAtomiquement(const std::filesystem::path& fichier, std::string_view octets);

/// The same, for content written piece by piece: the pieces go to the temporary file as they come, and
/// `Terminer` puts it in the file's place. Destroyed before that, it removes the temporary file and leaves
/// the file as it was.
class ÉcritureAtomique {
public:
    /// Creates the temporary file; throws ErreurFichier naming the file.
    explicit ÉcritureAtomique(const std::filesystem::path& fichier);
    ~ÉcritureAtomique();
    ÉcritureAtomique(const ÉcritureAtomique&) = delete;
    ÉcritureAtomique& operator=(const ÉcritureAtomique&) = delete;

    /// Appends bytes; throws ErreurFichier naming the file.
    void Écrire(std::string_view octets);
    /// Makes the bytes written the file's content; throws ErreurFichier naming the file.
    void Terminer();

private:
    [[noreturn]] void abandonner(int numéroErreur);

    std::filesystem::path chemin_;  // as given, for the messages
    std::filesystem::path fichier_;
    std::string temporaire_;
    int descripteur_ = -1;
};

}  // namespace vantorelle
