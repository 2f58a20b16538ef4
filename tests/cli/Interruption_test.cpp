#include <fcntl.h>
#include <poll.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ScanDemoLancement.h"
#include "analysis/Jour.h"

namespace vantorelle::test {
namespace {

constexpr int nombreValeurs = 600;

/// A scan running as a child process, its standard output and error in pipes the test reads when it wants:
/// a full error pipe holds the scan in its loop, where the test can interrupt it.
class ScanEnCours {
public:
    ScanEnCours(const EnvironnementEssai& env, const std::string& racine) {
        int sortie[2], erreurs[2];
        EXPECT_EQ(::pipe(sortie), 0);
        EXPECT_EQ(::pipe(erreurs), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(sortie[1], STDOUT_FILENO);
            ::dup2(erreurs[1], STDERR_FILENO);
            ::setenv("VANTORELLE_CONFIG", env.paramètres().c_str(), 1);
            ::setenv("VANTORELLE_HOME", env.programme().c_str(), 1);
            ::execl(VANTORELLE_CLI, VANTORELLE_CLI, "scan", "--groupe", "G", "--du", "20240102", "--au", "20240105",
                    "--racine", racine.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(sortie[1]);
        ::close(erreurs[1]);
        sortie_ = sortie[0];
        erreurs_ = erreurs[0];
    }

    /// Waits, without sleeping, until the scan has all but filled its error pipe: it is in its loop, and
    /// cannot leave it before the test reads.
    void attendreLePipePlein() const {
        const int capacité = ::fcntl(erreurs_, F_GETPIPE_SZ);
        for (int disponibles = 0; disponibles < capacité - PIPE_BUF; ::sched_yield())
            ::ioctl(erreurs_, FIONREAD, &disponibles);
    }

    /// Sends Ctrl-C and waits, without sleeping, until the scan has taken it: two signals sent at once would
    /// make one.
    void interrompre() const {
        ::kill(pid_, SIGINT);
        const std::string état = "/proc/" + std::to_string(pid_) + "/status";
        const auto enAttente = [&] {
            std::ifstream flux(état);
            for (std::string ligne; std::getline(flux, ligne);)
                if ((ligne.starts_with("SigPnd:") || ligne.starts_with("ShdPnd:")) &&
                    (std::stoull(ligne.substr(7), nullptr, 16) & (1ull << (SIGINT - 1))) != 0)
                    return true;
            return false;
        };
        while (enAttente()) ::sched_yield();
    }

    /// Reads both pipes to their end and gives the exit status.
    Résultat finir() {
        Résultat r{-1, {}, {}};
        pollfd tubes[2] = {{sortie_, POLLIN, 0}, {erreurs_, POLLIN, 0}};
        std::string* textes[2] = {&r.sortie, &r.erreurs};
        char tampon[65536];
        for (int ouverts = 2; ouverts > 0 && ::poll(tubes, 2, -1) > 0;)
            for (int k = 0; k < 2; ++k) {
                if (tubes[k].revents == 0) continue;
                const ssize_t lus = ::read(tubes[k].fd, tampon, sizeof tampon);
                if (lus > 0) {
                    textes[k]->append(tampon, static_cast<std::size_t>(lus));
                } else {
                    tubes[k].fd = -1;
                    --ouverts;
                }
            }
        int statut = 0;
        ::waitpid(pid_, &statut, 0);
        r.statut = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
        ::close(sortie_);
        ::close(erreurs_);
        return r;
    }

private:
    pid_t pid_;
    int sortie_, erreurs_;
};

/// The last line of a text.
std::string dernièreLigne(const std::string& texte) {
    const std::size_t fin = texte.find_last_not_of('\n');
    return texte.substr(texte.rfind('\n', fin) + 1, fin - texte.rfind('\n', fin));
}

// Every security has two history files, so each tells a warning: far more than the error pipe holds.
TEST(Interruption, CtrlCStopsAfterTheCurrentSecurityAndASecondOneAtOnce) {
    EnvironnementEssai env;
    env.écrire("config/Vantorelle.ini", "[Path]\nAvecFormules=0\n");
    std::string histoire, groupe;
    for (int k = 0; k < 4; ++k) histoire += Jour::de(2024, 1, 2 + k).texte() + "\t10\t12\t9\t11\t1000\r\n";
    for (int v = 0; v < nombreValeurs; ++v) {
        const std::string code = "FR" + std::to_string(1000000000 + v);
        groupe += code + "\tValeur " + std::to_string(v) + "\r\n";
        env.écrire("base/base/histo/A_" + code + ".txt", histoire);
        env.écrire("base/base/histo/B_" + code + ".txt", histoire);
    }
    env.écrire("base/base/groupe/G.txt", groupe);
    const std::string racine = env.chemin("base") + "/", sauvegarde = racine + "base/groupe/Vantorelle.txt";

    ScanEnCours une(env, racine);
    une.attendreLePipePlein();
    une.interrompre();
    const Résultat r = une.finir();
    EXPECT_EQ(r.statut, 130);
    const std::string fin = dernièreLigne(r.erreurs);
    const std::string début = "Génération interrompue après ", suite = " valeurs sur 600.";
    ASSERT_TRUE(fin.starts_with(début) && fin.ends_with(suite)) << fin;
    const int faites = std::stoi(fin.substr(début.size()));
    EXPECT_LT(faites, nombreValeurs);
    EXPECT_EQ(std::count(r.sortie.begin(), r.sortie.end(), '\n'), 1 + 4 * faites) << "the rows of those done";
    EXPECT_EQ(std::count(r.erreurs.begin(), r.erreurs.end(), '\n'), faites + 3) << "their warnings, the summary";
    EXPECT_TRUE(std::filesystem::exists(sauvegarde)) << "the closing steps ran";

    std::filesystem::remove(sauvegarde);
    ScanEnCours deux(env, racine);
    deux.attendreLePipePlein();
    deux.interrompre();
    deux.interrompre();
    const Résultat d = deux.finir();
    EXPECT_EQ(d.statut, 130);
    EXPECT_EQ(dernièreLigne(d.erreurs), "Génération interrompue, sans les étapes de clôture.");
    EXPECT_FALSE(std::filesystem::exists(sauvegarde));
}

}  // namespace
}  // namespace vantorelle::test
