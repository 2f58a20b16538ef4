#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

/// Whether a Ctrl-C sent to the process waits to be taken: two sent before it takes them make one.
bool ctrlCEnAttente(pid_t pid) {
    // The line is there as long as the process is not reaped, a zombie's all zeros.
    const std::string état = lireOctets("/proc/" + std::to_string(pid) + "/status");
    return (std::stoull(état.substr(état.find("\nShdPnd:") + 8), nullptr, 16) >> (SIGINT - 1) & 1) != 0;
}

/// Scans the group G with its standard error in a pipe. Once the scan has all but filled the pipe, it
/// is in its loop and cannot leave it before the test reads: then Ctrl-C, `fois` times, each once the last is taken.
Résultat scanInterrompu(const EnvironnementEssai& env, int fois) {
    const std::string sortie = env.chemin("sortie.txt");
    const std::string commande = commandeCli(env, {"scan", "--groupe", "G", "--du", "20240102", "--au", "20240102"});
    FILE* erreurs = ::popen(("echo $$; " + commande + " 2>&1 >'" + sortie + "'").c_str(), "r");
    pid_t pid = 0;
    EXPECT_EQ(std::fscanf(erreurs, "%d%*c", &pid), 1);  // the shell's, which the scan keeps
    const int tube = ::fileno(erreurs), capacité = ::fcntl(tube, F_GETPIPE_SZ);
    for (int disponibles = 0; disponibles < capacité - PIPE_BUF; ::sched_yield()) ::ioctl(tube, FIONREAD, &disponibles);
    for (int k = 0; k < fois; ++k) {
        ::kill(pid, SIGINT);
        while (ctrlCEnAttente(pid)) ::sched_yield();
    }
    std::string texte;
    for (int c; (c = std::fgetc(erreurs)) != EOF;) texte += static_cast<char>(c);
    const int statut = ::pclose(erreurs);
    return {WIFEXITED(statut) ? WEXITSTATUS(statut) : -1, lireOctets(sortie), texte};
}

/// The last line of a text, with its line end.
std::string dernièreLigne(const std::string& texte) { return texte.substr(texte.rfind('\n', texte.size() - 2) + 1); }

// Every security has two history files, so each tells a warning: far more than the error pipe holds.
TEST(Interruption, CtrlCStopsAfterTheCurrentSecurityAndASecondOneAtOnce) {
    EnvironnementEssai env;
    const std::string racine = env.chemin("base") + "/", sauvegarde = racine + "base/groupe/Vantorelle.txt";
    env.écrire("config/Vantorelle.ini", "[Path]\nPathPlotanex=" + racine + "\nAvecFormules=0\n");
    std::string groupe, histoire = "20240102\t10\t12\t9\t11\t1000\r\n";
    for (int v = 0; v < 600; ++v) {
        const std::string code = "FR" + std::to_string(1000000000 + v);
        groupe += code + "\tValeur " + std::to_string(v) + "\r\n";
        env.écrire("base/base/histo/A_" + code + ".txt", histoire);
        env.écrire("base/base/histo/B_" + code + ".txt", histoire);
    }
    env.écrire("base/base/groupe/G.txt", groupe);

    const Résultat une = scanInterrompu(env, 1);
    // The warnings of the securities done, then the summary, the count of warnings and the interruption.
    const auto faites = std::count(une.erreurs.begin(), une.erreurs.end(), '\n') - 3;
    EXPECT_LT(faites, 600);
    EXPECT_EQ(une.statut, 130);
    EXPECT_EQ(dernièreLigne(une.erreurs),
              "Génération interrompue après " + std::to_string(faites) + " valeurs sur 600.\n");
    EXPECT_EQ(std::count(une.sortie.begin(), une.sortie.end(), '\n'), 1 + faites) << "the rows of those done";
    EXPECT_TRUE(std::filesystem::exists(sauvegarde)) << "the closing steps ran";

    std::filesystem::remove(sauvegarde);
    const Résultat deux = scanInterrompu(env, 2);
    EXPECT_EQ(deux.statut, 130);
    EXPECT_EQ(dernièreLigne(deux.erreurs), "Génération interrompue, sans les étapes de clôture.\n");
    EXPECT_FALSE(std::filesystem::exists(sauvegarde));
}

}  // namespace
}  // namespace vantorelle::test
