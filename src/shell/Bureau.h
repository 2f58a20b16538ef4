#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vantorelle {

/// What the desktop does for the program: start other programs and type into their windows. Tests give a
/// fake one, so that they start nothing.
class Bureau {
public:
    virtual ~Bureau() = default;

    /// Starts the program arguments[0] (looked up in PATH when it holds no "/") with the other arguments, in
    /// `répertoire` (the current directory when empty), without a shell and without waiting for it. Its
    /// process id, or nothing when it could not be started.
    virtual std::optional<int> démarrer(const std::vector<std::string>& arguments, const std::string& répertoire) = 0;

    /// Types the text and Enter into the window of process `processus` once it shows, and into no other
    /// window; does nothing when the desktop offers no way to.
    virtual void taper(int processus, const std::string& texte) = 0;
};

/// The desktop of this session.
Bureau& bureauSystème();

}  // namespace vantorelle
