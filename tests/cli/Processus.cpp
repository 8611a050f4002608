#include "Processus.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A temporary file, removed at the end.
struct FichierTemporaire {
    std::string chemin;
    int fd = -1;
    FichierTemporaire() {
        chemin = "/tmp/adjora-processus-XXXXXX";
        fd = mkstemp(chemin.data());
    }
    ~FichierTemporaire() {
        if (fd >= 0) {
            close(fd);
        }
        unlink(chemin.c_str());
    }
    std::string lire() const {
        std::ifstream fichier(chemin, std::ios::binary);
        std::ostringstream contenu;
        contenu << fichier.rdbuf();
        return contenu.str();
    }
};

} // namespace

Execution Lancer(const std::string& programme, const std::vector<std::string>& arguments,
                 const std::string& entree) {
    FichierTemporaire in, out, err;
    Execution execution;
    if (in.fd < 0 || out.fd < 0 || err.fd < 0) {
        return execution;
    }
    if (write(in.fd, entree.data(), entree.size()) != static_cast<ssize_t>(entree.size())) {
        return execution;
    }
    lseek(in.fd, 0, SEEK_SET);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programme.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in.fd, STDIN_FILENO);
        dup2(out.fd, STDOUT_FILENO);
        dup2(err.fd, STDERR_FILENO);
        execv(programme.c_str(), argv.data());
        _exit(127);
    }
    int statut = 0;
    if (pid > 0 && waitpid(pid, &statut, 0) == pid && WIFEXITED(statut)) {
        execution.statut = WEXITSTATUS(statut);
    }
    execution.sortie = out.lire();
    execution.erreurs = err.lire();
    return execution;
}
