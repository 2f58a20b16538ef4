#include "main/HTML.h"

#include "store/EcritureAtomique.h"
#include "store/Encodage.h"

namespace vantorelle {

HTML::HTML(std::filesystem::path fichier) : fichier_(std::move(fichier)) { Ajouter("<html>"); }

void HTML::Titrer(std::string_view titre, std::string_view générateur, std::string_view description,
                  std::string_view motsClés) {
    Ajouter("<head>");
    Ajouter("<meta http-equiv='Content-Type'");
    Ajouter("content='text/html; charset=iso-8859-1'>");
    Ajouter("<meta name='GENERATOR' content='" + std::string(générateur) + "'>");
    if (!description.empty()) Ajouter("<meta name='description' content='" + std::string(description) + "'>");
    if (!motsClés.empty()) Ajouter("<meta name='keywords' content='" + std::string(motsClés) + "'>");
    Ajouter("<title>" + std::string(titre) + "</title>");
    Ajouter("</head>");
    Ajouter("<body>");
}

void HTML::Ajouter(std::string_view texte) {
    for (std::size_t début = 0;;) {
        std::size_t crlf = texte.find("\r\n", début);
        if (crlf == std::string_view::npos) {
            page_ += texte.substr(début);
            break;
        }
        page_ += texte.substr(début, crlf - début);
        page_ += "<br>";
        début = crlf + 2;
    }
    page_ += "\r\n";
}

void HTML::Fermer() {
    if (fermé_) return;
    fermé_ = true;
    Ajouter("</body>");
    Ajouter("</html>");
    écrireAtomiquement(fichier_, versWindows1252(page_));
}

}  // namespace vantorelle
