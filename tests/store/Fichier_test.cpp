#include "store/Fichier.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "store/EcritureAtomique.h"
#include "store/Erreur.h"
#include "store/Groupes.h"
#include "store/LectureParBlocs.h"
#include "store/LecturePositionnee.h"
#include "store/Motif.h"
#include "store/Repertoires.h"
#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"

namespace vantorelle::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using Lignes = std::vector<std::string>;
namespace fs = std::filesystem;

Lignes lignes(const Fichier& f) { return {f.Data().valeurs().begin(), f.Data().valeurs().end()}; }

Lignes charger(const std::string& chemin, bool rapide, std::int32_t p1 = 0, std::int32_t p2 = 0) {
    Fichier f(chemin);
    f.Charger(p1, p2, rapide);
    return lignes(f);
}

// ToString(n, p) reads n bytes of the slice that ends one byte before the end of the file and holds p bytes.
TEST(Fichier, ToStringReadsTheSliceEndingOneByteBeforeTheEnd) {
    DossierTemporaire dossier;
    Fichier f(dossier.écrire("chiffres.txt", "0123456789"));
    const std::tuple<int, int, const char*> cas[] = {{0, 0, "0123456789"}, {5, 0, "45678"}, {50, 0, "0123456789"},
        {3, 5, "456"}, {5, 3, "678"}, {0, 4, "5678"}, {2, 10, "01"}, {2, 20, "01"}, {-1, 0, ""}, {0, -1, ""}};
    for (const auto& [n, p, attendu] : cas) EXPECT_EQ(f.ToString(n, p), attendu) << n << ", " << p;
    EXPECT_EQ(Fichier(dossier.fichier("absent.txt")).ToString(0, 0), "");
    f.NomLong(dossier.écrire("accents.txt", "\xE9t\xE9\r\n"));  // counted in the file's bytes
    EXPECT_EQ(f.ToString(3, 0), "té\r");
}

TEST(Fichier, LoadGivesTheSameLinesFromCrLfAndLf) {
    const std::string longue(1 << 20, 'x');  // across the first block read
    const std::tuple<std::string, Lignes, Lignes> cas[] = {  // the bytes, the lines by line and in fast mode
        {"a\r\nb\r\n", {"a", "b"}, {"a", "b"}}, {"a\nb\n", {"a", "b"}, {"a", "b"}}, {"a\r\nb", {"a", "b"}, {"a", "b"}},
        {"\r\n", {""}, {""}}, {"", {}, {}}, {"a\n\nb\r\n", {"a", "", "b"}, {"a", "", "b"}}, {"a\r\n\r\n", {"a"}, {"a", ""}},
        {"a\rb\r\n", {"a\rb"}, {"a\rb"}},
        {std::string("x\0y\r\n", 5), {std::string("x\0y", 3)}, {std::string("x\0y", 3)}},
        {"a\r\n" + longue + "\r\nb\r\n", {"a", longue, "b"}, {"a", longue, "b"}},
    };
    DossierTemporaire dossier;
    for (const auto& [octets, modeLigne, modeRapide] : cas) {
        const std::string chemin = dossier.écrire("f.txt", octets);
        EXPECT_THAT(charger(chemin, false), ElementsAreArray(modeLigne)) << octets.substr(0, 20);
        EXPECT_THAT(charger(chemin, true), ElementsAreArray(modeRapide)) << octets.substr(0, 20);
    }
}

TEST(Fichier, LoadLineModePicksNumbersAndAppendsFastModeKeepsTheSlice) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("f.txt", "L1\r\nL2\r\nL3\r\nL4\r\nL5\r\n");
    EXPECT_THAT(charger(chemin, false, 0, 3), ElementsAre("L3", "L4", "L5"));
    EXPECT_THAT(charger(chemin, false, 4, 2), ElementsAre("L2", "L3"));
    EXPECT_THAT(charger(chemin, false, 2, 0), ElementsAre("L1", "L2", "L3"));
    EXPECT_THAT(charger(chemin, false, 1, 3), ElementsAre());
    // The slice stops one byte short: before the final LF, so a CR LF file leaves its CR on the last piece.
    EXPECT_THAT(charger(dossier.écrire("crlf.txt", "aaaa\r\nbbbb\r\ncccc\r\n"), true, 8), ElementsAre("b", "cccc\r"));
    EXPECT_THAT(charger(dossier.écrire("lf.txt", "aaaa\nbbbb\ncccc\n"), true, 6), ElementsAre("b", "cccc"));
    EXPECT_THAT(charger(dossier.écrire("debut.txt", "aaaa\r\nbbbb\r\n"), true, 7, 12), ElementsAre("aaaa", "b"));
    Fichier f(chemin);
    f.Charger(0, 0, false), f.Charger(0, 0, false);
    EXPECT_EQ(f.Data().Count(), 10);
    f.Charger(0, 0, true);
    EXPECT_EQ(f.Data().Count(), 5);
    Fichier absent(dossier.fichier("absent.txt"));  // a missing file changes nothing
    absent.Data().Add("déjà là");
    absent.Charger(0, 0, true);
    EXPECT_THAT(lignes(absent), ElementsAre("déjà là"));
}

TEST(Fichier, AnUnreadableFileIsAnErrorThatNamesIt) {
    DossierTemporaire dossier;
    fs::permissions(dossier.chemin(), fs::perms::all);
    Fichier f(dossier.écrire("secret.txt", "a\r\n"));
    fs::permissions(f.NomLong(), fs::perms::none);
    const std::string attendu = f.NomLong() + " : lecture impossible (accès refusé)";
    std::uint64_t lus = 0;
    // Root reads every file: the check runs in a child that gives up root first.
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
            const auto refusé = [&](auto lecture) { return messageDErreur<ErreurFichier>(lecture) == attendu; };
            std::_Exit(refusé([&] { f.Charger(0, 0, false); }) && refusé([&] { f.Charger(0, 0, true); }) &&
                       refusé([&] { f.TrouveSeek("a", 10, true); }) &&
                       refusé([&] { LecturePositionnée::siFichierRégulier(f.NomLong(), lus); }) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// Written in Windows-1252 with CR LF, the file rewritten (mode 1) or appended to; nothing is written when the
// data cannot be read.
TEST(Fichier, UnloadRewritesOrAppendsInWindows1252) {
    DossierTemporaire dossier;
    const std::string octets = "Soci\xE9t\xE9 \x80\t\x81\x8D\x8F\x90\x9D\r\n\x9C\xFF\r\n";
    Fichier f(dossier.écrire("f.txt", octets));
    f.Charger(0, 0, false);
    EXPECT_THAT(lignes(f), ElementsAre("Société €\t\u0081\u008D\u008F\u0090\u009D", "œÿ"));
    f.Décharger("", 1);
    EXPECT_EQ(lireOctets(f.NomLong()), octets);
    f.Data().FromArray({"a", "b", "c"}), f.Data().Remove(2);
    f.Décharger("", 1);
    EXPECT_EQ(lireOctets(f.NomLong()), "a\r\n\r\nc\r\n");
    f.Décharger("été", 0);
    EXPECT_EQ(lireOctets(f.NomLong()), "a\r\n\r\nc\r\n\xE9t\xE9\r\n");
    f.Data().Allocate(2);
    for (int mode : {1, 0}) EXPECT_THROW_MSG(f.Décharger("", mode), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    EXPECT_EQ(lireOctets(f.NomLong()), "a\r\n\r\nc\r\n\xE9t\xE9\r\n");
    f.Décharger("seul", 1);
    EXPECT_EQ(lireOctets(f.NomLong()), "seul\r\n");
    EXPECT_TRUE(f.Existe());
    f.Supprimer(), f.Supprimer();
    EXPECT_FALSE(f.Existe() || Fichier(dossier.chemin().string()).Existe());  // only a regular file
    f.Décharger("x", 2);
    EXPECT_EQ(lireOctets(f.NomLong()), "x\r\n");
    Fichier ailleurs(dossier.fichier("absent/f.txt"));
    EXPECT_THROW_MSG(ailleurs.Décharger("x", 0), ErreurFichier,
                     ailleurs.NomLong() + " : écriture impossible (fichier ou dossier introuvable)");
}

// The longest of the lines in the last 1024 bytes, in Windows-1252 bytes.
TEST(Fichier, LineSizeCountsTheBytesOfTheLastLines) {
    DossierTemporaire dossier;
    Fichier f(dossier.écrire("f.txt", std::string(2000, 'x') + "\r\nab\r\n\xE9t\xE9\xE9\r\n"));
    EXPECT_EQ(f.TailleLigne(), 1013);
    f.NomLong(dossier.écrire("g.txt", "ab\r\n\xE9t\xE9\xE9\r\n"));
    EXPECT_EQ(f.TailleLigne(), 4);
    Fichier absent(dossier.fichier("absent.txt"));  // then the longest of the data
    absent.Data().Add(std::string(32767, 'x'));
    EXPECT_EQ(absent.TailleLigne(), 32767);
    absent.Data().Add(std::string(32768, 'x'));
    EXPECT_THROW_MSG(absent.TailleLigne(), ErreurConversion, "Dépassement de capacité");
}

TEST(Fichier, DeduplicateDropsEqualNeighbours) {
    const std::tuple<Lignes, std::int32_t, Lignes> cas[] = {{{"X\t1", "X\t2", "Y\t3"}, 1, {"X\t1", "Y\t3"}},
        {{"X\t1", "X\t2", "Y\t3"}, 0, {"X\t1", "X\t2", "Y\t3"}}, {{"a", "b", "a"}, 0, {"a", "b", "a"}},
        {{"a", "a", "b", "b", "b"}, 0, {"a", "b"}}, {{"a", "b", ""}, 2, {"a"}}, {{"1\tx", "2\tx\ty"}, 2, {"1\tx"}},
        {{"a\tx", "A\tX"}, 2, {"a\tx", "A\tX"}}, {Lignes(), 1, Lignes()}};
    Fichier f;
    for (const auto& [avant, colonne, après] : cas) {
        f.Data().FromArray({avant.begin(), avant.end()});
        f.Dédupliquer(colonne);
        EXPECT_EQ(lignes(f), après) << ::testing::PrintToString(avant) << " " << colonne;
    }
    EXPECT_THROW_MSG(f.Dédupliquer(-1), ErreurIndice, "L'indice n'appartient pas à la sélection.");
}


// The distance from the end at which the search by halves finds the key, 2 lines before or 3 after.
TEST(TrouveSeek, DistancesWorkedOutByHand) {
    DossierTemporaire dossier;
    std::string dixLignes;  // of ten bytes, "k0\tabcde" to "k9\tabcde"
    for (char k = '0'; k <= '9'; ++k) dixLignes += std::string("k") + k + "\tabcde\r\n";
    const Fichier f(dossier.écrire("dix.txt", dixLignes));
    const std::tuple<const char*, std::int32_t, std::int32_t, std::int32_t> cas[] = {  // key, line size, before, after
        {"k2", 10, 100, 57},  // pos 50 reads "k5" > "k2": pos 25, "k3" > "k2": pos 13; the step 6 ends it
        {"k7", 10, 57, 7},    // pos 50, "k5" < "k7": pos 75, "k8" > "k7": pos 63
        {"k2", 30, 100, 0},   // a step below the line size never searches: pos 50
        {"k2", 0, 50, 50},    // a read of no bytes finds no line and ends the search
    };
    for (const auto& [clé, taille, avant, après] : cas) {
        EXPECT_EQ(f.TrouveSeek(clé, taille, true), avant) << clé << " " << taille;
        EXPECT_EQ(f.TrouveSeek(clé, taille, false), après) << clé << " " << taille;
    }
    const Fichier court(dossier.écrire("court.txt", dixLignes.substr(0, 30)));
    EXPECT_EQ(std::pair(court.TrouveSeek("k1", 10, true), court.TrouveSeek("k1", 10, false)), std::pair(30, 0));
    EXPECT_EQ(Fichier(dossier.fichier("absent.txt")).TrouveSeek("k1", 10, true), 0);
}

// The window the history loader reads, from the distance found before d1 to the one found after d2, in a
// file sorted on its first field with five lines under the key 20101000: its first and last whole lines' keys
// and their number. The search stops on the first equal line it meets and the window ends about three lines
// after it: of a run of five, the first four come.
TEST(TrouveSeek, TheWindowHoldsTheKeysSought) {
    const std::tuple<const char*, const char*, const char*> cas[] = {{"20100000", "20100000", "20100000-20100010 6"},
        {"20101998", "20101998", "20101992-20101998 4"}, {"20100400", "20100420", "20100394-20100424 16"},
        {"20101000", "20101000", "20100996-20101000 6"}, {"20100401", "20100401", "20100398-20100408 6"},
        {"20000101", "20100002", "20100000-20100010 6"}, {"20101996", "20991231", "20101992-20101998 4"}};
    DossierTemporaire dossier;
    for (const std::string finDeLigne : {"\r\n", "\n"}) {
        std::string octets;
        for (int i = 0; i < 1000; ++i)
            octets += std::to_string(i >= 500 && i < 505 ? 20101000 : 20100000 + i * 2) + "\t12,50\t13,00\t12,00\t12,75\t" +
                      std::to_string(100000 + i) + finDeLigne;
        Fichier f(dossier.écrire("histo.txt", octets));
        for (const auto& [d1, d2, fenêtre] : cas) {
            const std::int32_t r1 = f.TrouveSeek(d1, 50, true);
            f.Charger(r1 - f.TrouveSeek(d2, 50, false), r1, true);
            Lignes clés;
            for (const std::string& l : lignes(f))
                if (l.size() > 8 && l[8] == '\t') clés.push_back(l.substr(0, 8));
            ASSERT_FALSE(clés.empty()) << d1 << "-" << d2;
            EXPECT_EQ(clés.front() + "-" + clés.back() + " " + std::to_string(clés.size()), fenêtre) << d1 << "-" << d2;
        }
        const std::uint64_t avant = f.octetsLus();
        f.TrouveSeek("20101500", 50, true);
        EXPECT_GT(f.octetsLus(), avant);
        EXPECT_LE(f.octetsLus(), avant + 1024) << "only a few lines are read";
    }
}

// Reads anywhere, across blocks, past the end and again after blocks were given up, give the file's bytes.
TEST(LectureParBlocs, GivesTheBytesOfTheFile) {
    DossierTemporaire dossier;
    std::mt19937 aléa(3);
    std::string contenu(50'000, '\0');
    for (char& c : contenu) c = static_cast<char>(aléa());
    std::uint64_t octetsLus = 0;
    LecturePositionnée fichier(dossier.écrire("f.txt", contenu), octetsLus);
    LectureParBlocs blocs(fichier);
    std::uniform_int_distribution<std::size_t> position(0, 50'500), taille(0, 20'000);
    for (int essai = 0; essai < 2'000; ++essai) {
        const std::size_t début = position(aléa), n = essai % 4 == 0 ? taille(aléa) : taille(aléa) % 100;
        ASSERT_EQ(blocs.lire(static_cast<std::int64_t>(début), n), début >= 50'000 ? "" : contenu.substr(début, n))
            << "from " << début << ", " << n << " bytes";
    }
    std::uint64_t lus = 0;  // only a regular file opens
    EXPECT_EQ(LecturePositionnée::siFichierRégulier(dossier.fichier("f.txt"), lus)->longueur(), 50'000);
    fs::create_directories(dossier.fichier("dossier"));
    ASSERT_EQ(::mkfifo(dossier.fichier("tube").c_str(), 0600), 0);  // refused without waiting for a writer
    for (const char* nom : {"absent.txt", "dossier", "tube", "absent/a.txt"})
        EXPECT_FALSE(LecturePositionnée::siFichierRégulier(dossier.fichier(nom), lus)) << nom;
}

// The file changes only when the write is finished, through a link the target, and no temporary file is
// left either way.
TEST(EcritureAtomique, TheFileChangesOnlyAtTheEnd) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("f.txt", "ancien contenu plus long");
    const auto fichiers = [&] { return std::distance(fs::directory_iterator(dossier.chemin()), {}); };
    std::make_unique<ÉcritureAtomique>(chemin)->Écrire("perdu");  // abandoned
    EXPECT_EQ(lireOctets(chemin), "ancien contenu plus long");
    EXPECT_EQ(fichiers(), 1);
    ÉcritureAtomique écriture(chemin);
    écriture.Écrire("un, "), écriture.Écrire("deux");
    EXPECT_EQ(lireOctets(chemin), "ancien contenu plus long");
    écriture.Terminer();
    EXPECT_EQ(lireOctets(chemin), "un, deux");
    const std::string lien = dossier.fichier("lien.txt");
    fs::create_symlink(chemin, lien);
    écrireAtomiquement(lien, "trois");
    EXPECT_TRUE(fs::is_symlink(lien));
    EXPECT_EQ(lireOctets(chemin), "trois");
    EXPECT_EQ(fichiers(), 2);
    const std::string absent = dossier.fichier("absent/f.txt");
    EXPECT_THROW_MSG(écrireAtomiquement(absent, "x"), ErreurFichier,
                     absent + " : écriture impossible (fichier ou dossier introuvable)");
}

/// A folder holding files and subfolders created out of name order, left as the test found it.
class FolderTree : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* nom : {"b.txt", "B.txt", "a.txt", ".cache", "Z.txt", "sous/c.txt", "sous/plus/d.txt"})
            dossier.écrire(nom, "x");
    }
    void TearDown() override { fs::current_path(départ); }
    DossierTemporaire dossier;
    const std::string r = dossier.chemin().string() + "/";
    const fs::path départ = fs::current_path();
};

// Hidden entries and folders only when asked; a recursive listing lists a folder's files in its place.
// Search without regard to case, and folders are not files.
TEST_F(FolderTree, ListAndSearchFiles) {
    const Lignes fichiers = {"B.txt", "Z.txt", "a.txt", "b.txt"};
    const std::tuple<std::string, std::int32_t, bool, Lignes> cas[] = {{r, AttributNormal, false, fichiers},
        {r, AttributNormal, true, fichiers}, {r, AttributRépertoire, false, {"sous"}}, {r, AttributRépertoire, true, {}},
        {r, AttributCaché, false, {".cache", "B.txt", "Z.txt", "a.txt", "b.txt"}},
        {r, AttributCaché | AttributRépertoire, true, {".cache", "B.txt", "Z.txt", "a.txt", "b.txt", "sous/c.txt", "sous/plus/d.txt"}},
        {r + "Sous/Plus", AttributNormal, false, {"sous/plus/d.txt"}}, {r + "absent", AttributNormal, false, {}}};
    for (const auto& [dossierListé, attributs, récursif, noms] : cas) {
        Lignes attendu;
        for (const std::string& nom : noms) attendu.push_back(r + nom);
        EXPECT_EQ(ListerFichiers(dossierListé, attributs, récursif), attendu) << dossierListé << " " << attributs << récursif;
    }
    const std::tuple<std::string, const char*, Lignes> recherches[] = {{r, "*.TXT", fichiers}, {r, "b*", {"B.txt", "b.txt"}},
        {r, "?.txt", fichiers}, {r, "s*", {}}, {r + "absent/", "*", {}}};
    for (const auto& [dossierCherché, motif, attendu] : recherches) EXPECT_EQ(ChercherFichiers(dossierCherché, motif), attendu) << motif;
}

TEST_F(FolderTree, PathOnDiskFollowsTheCaseOnDisk) {
    const std::string cas[][2] = {{r + "sous/c.txt", r + "sous/c.txt"}, {r + "SOUS/PLUS/", r + "sous/plus/"},
                                  {r + "Sous/C.TXT", r + "sous/c.txt"}, {r + "b.TXT", r + "B.txt"},  // first by name
                                  {r + "Sous/absent/x.txt", r + "sous/absent/x.txt"}, {"", ""}};
    for (const auto& [écrit, attendu] : cas) EXPECT_EQ(CheminSurDisque(écrit), attendu);
    EXPECT_EQ(std::tuple(FichierExiste(r + "a.txt"), FichierExiste(r + "absent.txt"), FichierExiste(r + "sous"),
                         RépertoireExiste(r + "sous"), RépertoireExiste(r + "a.txt")), std::tuple(true, false, false, true, false));
}

TEST_F(FolderTree, ChangeFolderWithOrWithoutAFinalSlash) {
    EXPECT_TRUE(ChangerRépertoire(r + "Sous"));
    EXPECT_FALSE(ChangerRépertoire(r + "absent"));
    EXPECT_EQ(fs::current_path(), dossier.chemin() / "sous");
    AllerAuRépertoire(r + "sous/plus");
    EXPECT_EQ(fs::current_path(), dossier.chemin() / "sous" / "plus");
    AllerAuRépertoire(r + "sous/");
    EXPECT_EQ(fs::current_path(), dossier.chemin() / "sous");
    EXPECT_THROW_MSG(AllerAuRépertoire(r + "absent"), ErreurFichier,
                     r + "absent : répertoire inaccessible (fichier ou dossier introuvable)");
}

TEST(Motif, MatchesThePattern) {
    const std::tuple<const char*, const char*, bool> cas[] = {{"alpha_fr0000000001.txt", "*_*fr0000000001.txt", true},
        {"alphafr0000000001.txt", "*_*fr0000000001.txt", false}, {"alpha_fr0000000001.txt", "*_*0001.txt", true},
        {"_fr0000000001.txt", "*_*fr0000000001.txt", true}, {"a_c.txt.bak", "*_*c.txt", false},
        {"société_x.txt", "soci?t?_*", true}, {"aaa", "a*a*a*a", false}, {"abcabd", "*abd", true}, {"", "*", true},
        {"", "?", false}, {"x", "", false}};  // "?" is one character, "é" too
    for (const auto& [nom, motif, attendu] : cas) EXPECT_EQ(correspondAuMotif(nom, motif), attendu) << nom << " ~ " << motif;
}

// Each line ends with CR LF; what was read before a source that cannot be read is written all the same.
TEST_F(FolderTree, ConcatenateFilesWritesEachLineWithCrLf) {
    const std::string a = dossier.écrire("a.txt", "A1\tAlpha\r\nA2\tB\xE9ta\r\n");
    const std::string b = dossier.écrire("b.txt", "B1\tun\nB2\tdeux");  // LF only, no final line end
    const std::string c = dossier.écrire("c.txt", "");
    const std::string d = dossier.écrire("d.txt", "\r\n\r\n");
    const std::string destination = dossier.écrire("All.txt", "ancien contenu\r\n");
    ConcaténerFichiers(destination, {a, b, c, d});
    EXPECT_EQ(lireOctets(destination), "A1\tAlpha\r\nA2\tB\xE9ta\r\nB1\tun\r\nB2\tdeux\r\n\r\n\r\n");
    const std::string absente = dossier.fichier("absente.txt");
    EXPECT_THROW_MSG(ConcaténerFichiers(destination, {a, absente, a}), ErreurFichier,
                     absente + " : lecture impossible (fichier ou dossier introuvable)");
    EXPECT_EQ(lireOctets(destination), "A1\tAlpha\r\nA2\tB\xE9ta\r\n");
}

// Lines of exactly two fields in Windows-1252: a third field, even empty after a trailing tab, or no tab at
// all leaves a line out; LF alone and a missing final line end are read too.
TEST_F(FolderTree, GroupsWhateverTheCaseOfTheirFolder) {
    for (const char* nom : {"Vantorelle.txt", "All.txt", "CAC 40.TXT", "notes.doc"})
        dossier.écrire(std::string("Base/Groupe/") + nom,
                       "FR0000130007\tAlcatel\r\nFR0000130809\tSoci\xE9t\xE9 G\xE9n\xE9rale\r\n\r\nFR0000120271\tTotal\t"
                       "de trop\r\nFR0000120628\tAxa\t\r\nsans tabulation\r\nFR0000121014\tLVMH\nFR0000130007\tAlcatel");
    EXPECT_THAT(ListerGroupes(r), ElementsAre("All", "CAC 40", "Vantorelle"));
    EXPECT_EQ(FichierGroupe(r, "Nouveau"), r + "Base/Groupe/Nouveau.txt");
    EXPECT_THAT(LireGroupe(FichierGroupe(r, "vantorelle")),
                ElementsAre(TitreGroupe{"FR0000130007", "Alcatel"}, TitreGroupe{"FR0000130809", "Société Générale"},
                            TitreGroupe{"FR0000121014", "LVMH"}, TitreGroupe{"FR0000130007", "Alcatel"}));
    EXPECT_THROW_MSG(LireGroupe(r + "absent.txt"), ErreurFichier,
                     r + "absent.txt : lecture impossible (fichier ou dossier introuvable)");
    EXPECT_THAT(ListerGroupes("/nulle/part/"), IsEmpty());
}

}  // namespace
}  // namespace vantorelle::test
