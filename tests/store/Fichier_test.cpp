#include "store/Fichier.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
#include "support/EnvironnementEssai.h"
#include "support/Erreurs.h"

namespace vantorelle::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Lignes = std::vector<std::string>;
namespace fs = std::filesystem;

Lignes lignes(const Fichier& f) { return {f.Data().valeurs().begin(), f.Data().valeurs().end()}; }

Lignes charger(const std::string& chemin, bool rapide, std::int32_t p1 = 0, std::int32_t p2 = 0) {
    Fichier f(chemin);
    f.Charger(p1, p2, rapide);
    return lignes(f);
}

// ToString(n, p) reads n bytes of the slice that ends one byte before the end of the file and holds p bytes.
// Fast mode splits that slice at line ends, so that a CR LF file leaves its CR on the last piece. TailleLigne
// gives the longest of the lines of the last 1024 bytes, or of the data.
TEST(Fichier, TheSliceEndingOneByteBeforeTheEnd) {
    DossierTemporaire dossier;
    const Fichier f(dossier.écrire("chiffres.txt", "0123456789"));
    const std::tuple<int, int, const char*> cas[] = {{0, 0, "0123456789"}, {5, 0, "45678"}, {50, 0, "0123456789"},
        {3, 5, "456"}, {5, 3, "678"}, {2, 10, "01"}, {-1, 0, ""}};
    for (const auto& [n, p, attendu] : cas) EXPECT_EQ(f.ToString(n, p), attendu) << n << ", " << p;
    EXPECT_EQ(Fichier(dossier.fichier("absent.txt")).ToString(0, 0), "");
    EXPECT_THAT(charger(dossier.écrire("crlf.txt", "aaaa\r\nbbbb\r\ncccc\r\n"), true, 8), ElementsAre("b", "cccc\r"));
    EXPECT_THAT(charger(dossier.écrire("debut.txt", "aaaa\r\nbbbb\r\n"), true, 7, 12), ElementsAre("aaaa", "b"));
    EXPECT_EQ(Fichier(dossier.écrire("f.txt", std::string(2000, 'x') + "\r\nab\r\n")).TailleLigne(), 1019);
    Fichier absent(dossier.fichier("absent.txt"));
    absent.Data().Add(std::string(32767, 'x'));
    EXPECT_EQ(absent.TailleLigne(), 32767);
    absent.Data().Add(std::string(32768, 'x'));
    EXPECT_THROW_MSG(absent.TailleLigne(), ErreurConversion, "Dépassement de capacité");
}

// The same lines from CR LF and LF, by line or in fast mode. Line mode keeps lines p2 to p1 - p2 + 1 (from p2
// on when p1 is 0).
TEST(Fichier, LoadByLineOrInFastMode) {
    const std::string longue(1 << 20, 'x');  // across the first block read
    const std::tuple<std::string, Lignes, Lignes> cas[] = {  // the bytes, the lines by line and in fast mode
        {"a\r\nb", {"a", "b"}, {"a", "b"}}, {"a", {"a"}, {"a"}}, {"\r\n", {""}, {""}}, {"", {}, {}}, {"a\n\nb\r\n", {"a", "", "b"}, {"a", "", "b"}},
        {"a\r\n\r\n", {"a"}, {"a", ""}}, {"a\r\n" + longue + "\r\nb\r\n", {"a", longue, "b"}, {"a", longue, "b"}}};
    DossierTemporaire dossier;
    for (const auto& [octets, modeLigne, modeRapide] : cas) {
        const std::string chemin = dossier.écrire("f.txt", octets);
        EXPECT_THAT(charger(chemin, false), ElementsAreArray(modeLigne)) << octets.substr(0, 20);
        EXPECT_THAT(charger(chemin, true), ElementsAreArray(modeRapide)) << octets.substr(0, 20);
    }
    const std::string chemin = dossier.écrire("f.txt", "L1\r\nL2\r\nL3\r\nL4\r\nL5\r\n");
    EXPECT_THAT(charger(chemin, false, 0, 3), ElementsAre("L3", "L4", "L5"));
    EXPECT_THAT(charger(chemin, false, 4, 2), ElementsAre("L2", "L3"));
}

// Written in Windows-1252 with CR LF: mode 1 rewrites the file, any other mode appends to it, `texte` or else
// every line of the data.
TEST(Fichier, UnloadRewritesOrAppendsInWindows1252) {
    DossierTemporaire dossier;
    Fichier f(dossier.fichier("f.txt"));
    f.Data().FromArray({"été", "b"}), f.Data().Remove(2);
    f.Décharger("x", 2), f.Décharger("", 1), f.Décharger("€", 0), f.Décharger("y", 3);
    EXPECT_EQ(lireOctets(f.NomLong()), "\xE9t\xE9\r\n\r\n\x80\r\ny\r\n");
    f.Supprimer(), f.Supprimer();
    EXPECT_FALSE(f.Existe() || Fichier(dossier.chemin().string()).Existe());  // only a regular file
    EXPECT_THROW_MSG(Fichier(dossier.fichier("absent/f.txt")).Décharger("x", 0), ErreurFichier,
                     dossier.fichier("absent/f.txt") + " : écriture impossible (fichier ou dossier introuvable)");
}

TEST(Fichier, DeduplicateDropsEqualNeighbours) {
    const std::tuple<Lignes, std::int32_t, Lignes> cas[] = {{{"X\t1", "X\t2", "Y\t3"}, 0, {"X\t1", "X\t2", "Y\t3"}},
        {{"a", "a", "b", "b", "b"}, 0, {"a", "b"}}, {{"a", "b", ""}, 2, {"a"}}, {{"1\tx", "2\tx\ty"}, 2, {"1\tx"}},
        {Lignes(), 1, Lignes()}};
    Fichier f;
    for (const auto& [avant, colonne, après] : cas) {
        f.Data().FromArray({avant.begin(), avant.end()});
        f.Dédupliquer(colonne);
        EXPECT_EQ(lignes(f), après) << ::testing::PrintToString(avant) << " " << colonne;
    }
    EXPECT_THROW_MSG(f.Dédupliquer(-1), ErreurIndice, "L'indice n'appartient pas à la sélection.");
}

// The window the history loader reads, from the distance found before d1 to the one found after d2, in a
// file sorted on its first field with five lines under the key 20101000: its first and last whole lines' keys
// and their number. The search stops on the first equal line it meets and the window ends about three lines
// after it: of a run of five, the first four come.
TEST(TrouveSeek, TheWindowHoldsTheKeysSought) {
    const std::tuple<const char*, const char*, const char*> cas[] = {{"20100000", "20100000", "20100000-20100010 6"},
        {"20100400", "20100420", "20100394-20100424 16"}, {"20101000", "20101000", "20100996-20101000 6"},
        {"20101996", "20991231", "20101992-20101998 4"}};
    DossierTemporaire dossier;
    std::string octets;
    for (int i = 0; i < 1000; ++i)
        octets += std::to_string(i >= 500 && i < 505 ? 20101000 : 20100000 + i * 2) + "\t12,50\t13,00\t12,00\t12,75\t" +
                  std::to_string(100000 + i) + "\r\n";
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
    EXPECT_EQ(f.octetsLus() - avant, 400u);  // 50 bytes for each of the 8 steps of at least 50
}

// Reads anywhere, across blocks, past the end and again after blocks were given up, give the file's bytes.
// Only a regular file opens; one that cannot be read is an error that names it.
TEST(LectureParBlocs, GivesTheBytesOfARegularFile) {
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
    EXPECT_EQ(LecturePositionnée::siFichierRégulier(dossier.fichier("f.txt"), octetsLus)->longueur(), 50'000);
    EXPECT_FALSE(LecturePositionnée::siFichierRégulier(dossier.chemin().string(), octetsLus));  // a folder
    const std::string chemin = dossier.fichier("f.txt");
    fs::permissions(dossier.chemin(), fs::perms::all);
    fs::permissions(chemin, fs::perms::none);
    // Root reads every file: the check runs in a child that gives up root first.
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
            const auto lecture = [&] { LecturePositionnée::siFichierRégulier(chemin, octetsLus); };
            std::_Exit(messageDErreur<ErreurFichier>(lecture) == chemin + " : lecture impossible (accès refusé)" ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// The file changes only when the write is finished, through a link the target, and no temporary file is
// left either way.
TEST(EcritureAtomique, TheFileChangesOnlyAtTheEnd) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("f.txt", "ancien");
    std::make_unique<ÉcritureAtomique>(chemin)->Écrire("perdu");  // abandoned
    const std::string lien = dossier.fichier("lien.txt");
    fs::create_symlink(chemin, lien);
    ÉcritureAtomique écriture(lien);
    écriture.Écrire("nouveau");
    EXPECT_EQ(lireOctets(chemin), "ancien");
    écriture.Terminer();
    EXPECT_EQ(lireOctets(chemin), "nouveau");
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier.chemin()), {}), 2);
    EXPECT_THROW_MSG(écrireAtomiquement(dossier.fichier("absent/f.txt"), "x"), ErreurFichier,
                     dossier.fichier("absent/f.txt") + " : écriture impossible (fichier ou dossier introuvable)");
    // The file keeps its rights, a read-only one stays as it is, and a killed run's temporary file goes once
    // an hour old.
    const std::string vieux = dossier.écrire(".f.txt.ABCDEF", ""), récent = dossier.écrire(".f.txt.GHIJKL", "");
    vieillir(vieux, 7200);
    fs::permissions(chemin, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    écrireAtomiquement(chemin, "droits");
    EXPECT_EQ(fs::status(chemin).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::pair(fs::exists(vieux), fs::exists(récent)), std::pair(false, true));
    fs::permissions(chemin, fs::perms::owner_read);
    EXPECT_THROW_MSG(écrireAtomiquement(chemin, "x"), ErreurFichier,
                     chemin + " : écriture impossible (fichier en lecture seule)");
    EXPECT_EQ(lireOctets(chemin), "droits");
}

// In a folder holding files and subfolders created out of name order: hidden entries and folders are listed
// only when asked, and a recursive listing lists a folder's files in its place; names are searched and paths
// followed without regard to case (the first by name), and folders are not files. A concatenation writes
// what was read before a source that cannot be read, each line ending with CR LF.
TEST(Repertoires, ListSearchAndFollowTheCaseOnDisk) {
    DossierTemporaire dossier;
    for (const char* nom : {"b.txt", "B.txt", "a.txt", ".cache", "Z.txt", "sous/c.txt", "sous/plus/d.txt"})
        dossier.écrire(nom, "x");
    const std::string r = dossier.chemin().string() + "/";
    EXPECT_EQ(ListerFichiers(r, AttributRépertoire, false), Lignes{r + "sous"});
    EXPECT_EQ(ListerFichiers(r, AttributCaché | AttributRépertoire, true),
              (Lignes{r + ".cache", r + "B.txt", r + "Z.txt", r + "a.txt", r + "b.txt", r + "sous/c.txt", r + "sous/plus/d.txt"}));
    for (const auto& [motif, attendu] : {std::pair<const char*, Lignes>{"b*", {"B.txt", "b.txt"}}, {"s*", {}}})
        EXPECT_EQ(ChercherFichiers(r, motif), attendu) << motif;
    EXPECT_EQ(CheminSurDisque(r + "b.TXT"), r + "B.txt");
    EXPECT_EQ(CheminSurDisque(r + "Sous/absent/x.txt"), r + "sous/absent/x.txt");
    EXPECT_EQ(std::tuple(FichierExiste(r + "a.txt"), FichierExiste(r + "absent.txt"), FichierExiste(r + "sous"),
                         RépertoireExiste(r + "sous"), RépertoireExiste(r + "a.txt")), std::tuple(true, false, false, true, false));
    const fs::path départ = fs::current_path();
    EXPECT_EQ(std::pair(ChangerRépertoire(r + "Sous"), ChangerRépertoire(r + "absent")), std::pair(true, false));
    EXPECT_EQ(fs::current_path(), dossier.chemin() / "sous");
    AllerAuRépertoire(r + "sous/plus");
    EXPECT_EQ(fs::current_path(), dossier.chemin() / "sous" / "plus");
    EXPECT_THROW_MSG(AllerAuRépertoire(r + "absent"), ErreurFichier,
                     r + "absent : répertoire inaccessible (fichier ou dossier introuvable)");
    fs::current_path(départ);
    const std::string absente = dossier.fichier("absente.txt");
    EXPECT_THROW_MSG(ConcaténerFichiers(r + "All.txt", {r + "a.txt", absente, r + "a.txt"}), ErreurFichier,
                     absente + " : lecture impossible (fichier ou dossier introuvable)");
    EXPECT_EQ(lireOctets(r + "All.txt"), "x\r\n");
}

TEST(Motif, MatchesThePattern) {
    const std::tuple<const char*, const char*, bool> cas[] = {{"_fr1.txt", "*_*fr1.txt", true}, {"a_c.txt.bak", "*_*c.txt", false},
        {"société_x.txt", "soci?t?_*", true}, {"aaa", "a*a*a*a", false}, {"abcabd", "*abd", true}, {"", "*", true},
        {"x", "", false}};  // "?" is one character, "é" too
    for (const auto& [nom, motif, attendu] : cas) EXPECT_EQ(correspondAuMotif(nom, motif), attendu) << nom << " ~ " << motif;
}

// Lines of exactly two fields in Windows-1252: a third field, even empty after a trailing tab, or no tab at
// all leaves a line out; LF alone and a missing final line end are read too.
TEST(Groupes, GroupsWhateverTheCaseOfTheirFolder) {
    DossierTemporaire dossier;
    const std::string r = dossier.chemin().string() + "/";
    for (const char* nom : {"All.txt", "CAC 40.TXT", "notes.doc"}) dossier.écrire(std::string("Base/Groupe/") + nom, "");
    dossier.écrire("Base/Groupe/Vantorelle.txt",
                   "FR1\tSoci\xE9t\xE9\r\n\r\nFR2\tTotal\tde trop\r\nFR3\tAxa\t\r\nsans tabulation\r\nFR4\tLVMH\nFR1\tAlcatel");
    EXPECT_THAT(ListerGroupes(r), ElementsAre("All", "CAC 40", "Vantorelle"));
    EXPECT_THAT(LireGroupe(FichierGroupe(r, "vantorelle")),
                ElementsAre(TitreGroupe{"FR1", "Société"}, TitreGroupe{"FR4", "LVMH"}, TitreGroupe{"FR1", "Alcatel"}));
    EXPECT_THROW_MSG(LireGroupe(r + "absent.txt"), ErreurFichier,
                     r + "absent.txt : lecture impossible (fichier ou dossier introuvable)");
}

}  // namespace
}  // namespace vantorelle::test
