#pragma once
#include <atomic>
#include <string>

#include "store/Avertissement.h"

namespace vantorelle {

/// How a long task (a scan, an import, a download) tells how far it has come, and how its owner stops it.
/// The task reports on its own thread; a stop may be asked from any thread, and the task looks for it at its
/// stopping points. Every report has a default that does nothing, so an owner implements what it shows.
class Progression {
public:
    virtual ~Progression() = default;

    /// The status line.
    virtual void Statut(const std::string& texte) { (void)texte; }
    /// The share of the work done, in percent.
    virtual void Pourcentage(int pourcent) { (void)pourcent; }
    /// Something the task skipped or doubts, told when the results it concerns are published.
    virtual void Avertir(const Avertissement& avertissement) { (void)avertissement; }
    /// True once a stop was asked.
    virtual bool ArrêtDemandé() const { return arrêt_.load(std::memory_order_relaxed); }
    /// Asks the task to stop at its next stopping point.
    void DemanderArrêt() { arrêt_.store(true, std::memory_order_relaxed); }

private:
    std::atomic<bool> arrêt_{false};
};

}  // namespace vantorelle
