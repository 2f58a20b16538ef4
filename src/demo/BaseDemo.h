#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/Jour.h"

namespace vantorelle {

/// What a generated base holds: how many securities, how many years of daily quotes up to which day, and
/// the seed of its random walk.
struct ParamètresDémo {
    std::uint64_t graine = 20240607;
    int valeurs = 40;
    int années = 12;
    Jour fin = Jour::de(2024, 12, 31);
};

/// A complete, deterministic demo base of fictional securities: history files of plausible daily quotes (a
/// random walk with volatility clusters, price gaps, missing days, the odd zero or missing price, and every
/// figure of the catalogue planted again and again), group files, a formula file and a settings file.
/// The same parameters give the same bytes.
class BaseDémo {
public:
    /// The security the program dates the base from; it is always part of the base.
    static constexpr const char* codeRéférence = "FR0000130007";

    explicit BaseDémo(ParamètresDémo paramètres = {}) : paramètres_(paramètres) {}

    /// Writes the base under `dossier`: "base/histo", "base/groupe", "Formules.txt" and a settings file
    /// "Vantorelle.ini" whose data root is `dossier`. Existing files of the same names are replaced.
    void Écrire(const std::filesystem::path& dossier) const;

    /// The history file's content (Windows-1252, CR LF) of security `k` (from 0).
    std::string Historique(int k) const;

    struct ValeurFictive {
        std::string code;
        std::string nom;      ///< UTF-8
        std::string secteur;  ///< the group it belongs to
    };
    /// The securities of the base, the reference first.
    std::vector<ValeurFictive> Valeurs() const;

private:
    ParamètresDémo paramètres_;
};

}  // namespace vantorelle
