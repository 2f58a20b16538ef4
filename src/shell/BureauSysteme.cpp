#include "shell/BureauSysteme.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

extern char** environ;

namespace vantorelle {

namespace {

// How long the started program's window is waited for, and how often it is looked for.
constexpr int essaisFenêtre = 50;
constexpr auto intervalleFenêtre = std::chrono::milliseconds(100);

/// Starts the program; its id, or nothing. With `sortie`, its standard output goes to that descriptor.
std::optional<pid_t> lancer(const std::vector<std::string>& arguments, const std::string& répertoire,
                            int sortie = -1) {
    if (arguments.empty()) return std::nullopt;
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!répertoire.empty()) posix_spawn_file_actions_addchdir_np(&actions, répertoire.c_str());
    if (sortie >= 0) posix_spawn_file_actions_adddup2(&actions, sortie, STDOUT_FILENO);
    pid_t processus = 0;
    const int erreur = posix_spawnp(&processus, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0) return std::nullopt;
    return processus;
}

void attendre(pid_t processus) {
    while (::waitpid(processus, nullptr, 0) < 0 && errno == EINTR) {
    }
}

/// How a program run to its end went.
struct Issue {
    bool réussi;
    std::string sortie;
};

/// Runs the program to its end and gathers its standard output; nothing when it could not be started.
std::optional<Issue> exécuter(const std::vector<std::string>& arguments) {
    int tube[2];
    if (::pipe2(tube, O_CLOEXEC) != 0) return std::nullopt;
    const auto processus = lancer(arguments, "", tube[1]);
    ::close(tube[1]);
    std::string sortie;
    if (processus) {
        char tampon[4096];
        for (ssize_t lus; (lus = ::read(tube[0], tampon, sizeof tampon)) != 0;) {
            if (lus > 0)
                sortie.append(tampon, static_cast<std::size_t>(lus));
            else if (errno != EINTR)
                break;
        }
    }
    ::close(tube[0]);
    if (!processus) return std::nullopt;
    int état = 0;
    while (::waitpid(*processus, &état, 0) < 0 && errno == EINTR) {
    }
    return Issue{WIFEXITED(état) && WEXITSTATUS(état) == 0, std::move(sortie)};
}

void taperQuandFenêtre(int processus, const std::string& texte) {
    for (int essai = 0; essai < essaisFenêtre; ++essai) {
        const auto recherche = exécuter({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(processus)});
        if (!recherche) return;  // no xdotool: nothing is typed anywhere
        if (recherche->réussi && !recherche->sortie.empty()) {
            const std::string fenêtre = recherche->sortie.substr(0, recherche->sortie.find('\n'));
            const auto saisie = exécuter({"xdotool", "type", "--window", fenêtre, texte});
            if (saisie && saisie->réussi) exécuter({"xdotool", "key", "--window", fenêtre, "Return"});
            return;
        }
        std::this_thread::sleep_for(intervalleFenêtre);
    }
}

}  // namespace

std::optional<int> BureauSystème::démarrer(const std::vector<std::string>& arguments, const std::string& répertoire) {
    const auto processus = lancer(arguments, répertoire);
    if (!processus) return std::nullopt;
    std::thread([p = *processus] { attendre(p); }).detach();
    return *processus;
}

void BureauSystème::taper(int processus, const std::string& texte) {
    std::thread([processus, texte] { taperQuandFenêtre(processus, texte); }).detach();
}

Bureau& bureauSystème() {
    static BureauSystème bureau;
    return bureau;
}

}  // namespace vantorelle
