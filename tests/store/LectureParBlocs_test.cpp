#include "store/LectureParBlocs.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/DossierTemporaire.h"

namespace vantorelle::test {
namespace {

// Reads anywhere, across blocks, past the end and again after blocks were given up, give the file's bytes.
TEST(LectureParBlocs, DonneLesOctetsDuFichier) {
    DossierTemporaire dossier;
    std::mt19937 aléa(3);
    std::string contenu(50'000, '\0');
    for (char& c : contenu) c = static_cast<char>(aléa());
    const std::string chemin = dossier.écrire("f.txt", contenu);
    std::uint64_t octetsLus = 0;
    LecturePositionnée fichier(chemin, octetsLus);
    LectureParBlocs blocs(fichier);
    std::uniform_int_distribution<std::int64_t> position(0, 50'500);
    std::uniform_int_distribution<std::size_t> taille(0, 20'000);
    for (int essai = 0; essai < 2'000; ++essai) {
        const std::int64_t début = position(aléa);
        const std::size_t n = essai % 4 == 0 ? taille(aléa) : taille(aléa) % 100;
        const std::string attendu =
            début >= 50'000 ? std::string() : contenu.substr(static_cast<std::size_t>(début), n);
        ASSERT_EQ(blocs.lire(début, n), attendu) << "de " << début << ", " << n << " octets";
    }
}

}  // namespace
}  // namespace vantorelle::test
