#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace vantorelle {

/// The page writer of the report: a page of lines, started with "<html>" and ended with "</body>" and
/// "</html>", written in Windows-1252 with CR LF line ends. Nothing is escaped. The file is written whole
/// by `Fermer`, never half.
class HTML {
public:
    /// Starts the page that `Fermer` writes to `fichier`.
    explicit HTML(std::filesystem::path fichier);

    /// Writes the page head (content type, generator, description and keywords when not empty, title) and
    /// opens the body.
    void Titrer(std::string_view titre, std::string_view générateur, std::string_view description,
                std::string_view motsClés);
    /// Writes `texte` as one line, every CR LF pair in it replaced by "<br>".
    void Ajouter(std::string_view texte);
    /// Ends the body and the page and writes the file (replacing an older one); the writer is then done.
    void Fermer();

    const std::filesystem::path& Fichier() const { return fichier_; }

private:
    std::filesystem::path fichier_;
    std::string page_;
    bool fermé_ = false;
};

}  // namespace vantorelle
