#pragma once
#include <cstddef>
#include <string>

namespace vantorelle {

/// What a generation tells its window, and where the window can stop it. Every call has a default that
/// does nothing, so a caller implements only what it shows.
class SuiviScan {
public:
    virtual ~SuiviScan() = default;

    /// The status line: the generation is running, then the summary.
    virtual void Statut(const std::string& texte) { (void)texte; }
    /// A row was added to the dashboard at index `ligne` (from 0).
    virtual void LigneAjoutée(std::size_t ligne) { (void)ligne; }
    /// Asked after each security, where the window lets its events run: true ends the loop there.
    virtual bool ArrêtDemandé() { return false; }
    /// The share of the securities done, in percent (integer part), after each security that is counted.
    virtual void Progression(int pourcent) { (void)pourcent; }
};

}  // namespace vantorelle
