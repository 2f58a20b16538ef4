#pragma once
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "main/LignesValeur.h"

namespace vantorelle {

/// Scans numbered securities on worker threads, ahead of a reader that takes their results in order. No
/// worker runs more than a few securities ahead of the reader, so memory stays bounded however large the
/// group. An error thrown by a scan is kept in its result.
class TravauxEnAvance {
public:
    /// Scans security k (from 0) on worker `ouvrier` (from 0) into `résultat`, which it must empty first.
    using Travail = std::function<void(std::size_t k, std::size_t ouvrier, LignesValeur& résultat)>;

    /// With `parGroupes`, a reader that has to wait waits for the next few results at once (fewer wake-ups);
    /// without, it waits for the one it reads only, as jobs that wait for the reader need.
    TravauxEnAvance(std::size_t travaux, std::size_t ouvriers, Travail travail, bool parGroupes = true);
    /// Lets the workers end their current scan, and waits for them.
    ~TravauxEnAvance();
    TravauxEnAvance(const TravauxEnAvance&) = delete;
    TravauxEnAvance& operator=(const TravauxEnAvance&) = delete;

    /// The result of the next security in order, once scanned; valid until the next call.
    LignesValeur& suivant();

private:
    struct Case {
        LignesValeur résultat;
        std::size_t travail = 0;
        bool fait = false;
    };

    void travailler(std::size_t ouvrier);
    bool fait(std::size_t k) const;

    std::size_t travaux_;
    Travail travail_;
    std::vector<Case> cases_;  // job k's result goes to case k modulo their number
    std::mutex verrou_;
    std::condition_variable prêt_;   // the job the reader waits for is done
    std::condition_variable place_;  // a case is free again, or the workers must stop
    std::size_t prochain_ = 0;       // the next job to start
    std::size_t lus_ = 0;            // jobs whose results the reader has asked for
    std::size_t libérés_ = 0;        // jobs whose results the reader is done with
    std::size_t attendu_ = SIZE_MAX;  // the job whose end the reader waits for
    bool arrêt_ = false;
    bool parGroupes_;
    std::vector<std::thread> ouvriers_;
};

}  // namespace vantorelle
