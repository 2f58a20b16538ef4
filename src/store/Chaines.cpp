#include "store/Chaines.h"

#include "store/Casse.h"
#include "store/Erreur.h"

namespace vantorelle {

namespace {

bool estSuite(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

/// Byte position of character `n` (from 0) of a UTF-8 text, or its size when the text is shorter.
std::size_t positionDuCaractère(std::string_view texte, std::int64_t n) {
    std::size_t i = 0;
    for (; i < texte.size() && n > 0; --n) {
        ++i;
        while (i < texte.size() && estSuite(texte[i])) ++i;
    }
    return i;
}

}  // namespace

std::string Inverser(std::string_view texte) {
    std::string inverse;
    inverse.reserve(texte.size());
    std::size_t fin = texte.size();
    while (fin > 0) {
        std::size_t début = fin - 1;
        while (début > 0 && estSuite(texte[début])) --début;
        inverse.append(texte.substr(début, fin - début));
        fin = début;
    }
    return inverse;
}

void Remplacer(std::string& texte, std::string_view recherche, std::string_view remplacement, bool casse) {
    if (recherche.empty()) return;
    // Folding keeps byte positions, so positions found in the folded text apply to the original.
    const std::string textePlié = casse ? std::string() : plierCasse(texte);
    const std::string recherchePliée = casse ? std::string() : plierCasse(recherche);
    const std::string_view dans = casse ? std::string_view(texte) : std::string_view(textePlié);
    const std::string_view quoi = casse ? recherche : std::string_view(recherchePliée);

    std::string résultat;
    std::size_t p = 0;
    for (std::size_t q; (q = dans.find(quoi, p)) != std::string_view::npos; p = q + quoi.size()) {
        résultat.append(texte, p, q - p);
        résultat.append(remplacement);
    }
    résultat.append(texte, p);
    texte = std::move(résultat);
}

std::string Extraire(std::string_view texte, std::int32_t début, std::int32_t fin) {
    const std::int64_t longueur = static_cast<std::int64_t>(fin) - début + 1;
    if (début < 1 || longueur < 0) throw Erreur("Argument ou appel de procédure incorrect");
    const std::size_t de = positionDuCaractère(texte, début - 1);
    const std::size_t à = de + positionDuCaractère(texte.substr(de), longueur);
    return std::string(texte.substr(de, à - de));
}

}  // namespace vantorelle
