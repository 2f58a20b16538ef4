#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/Emplacements.h"

namespace vantorelle {

/// String settings addressed by section and key, in one of two stores. Mode 1: the settings file of the
/// application named by `Path` (ours for the application title, others beside it). Mode 3: the
/// private-profile file named by `Path` (a name without a directory is looked for in the user's program
/// directory, then among the installed files). Any other mode, or no locations, reads defaults and writes
/// nothing. Nothing here ever fails: a read that cannot be done gives the default, a write that cannot be
/// done is lost and leaves the file as it was. The locations are borrowed: they must outlive the object.
class INI {
public:
    INI() = default;
    INI(const Emplacements& emplacements, std::int32_t mode, std::string path)
        : emplacements_(&emplacements), mode_(mode), path_(std::move(path)) {}

    std::int32_t Mode() const { return mode_; }
    void Mode(std::int32_t mode) { mode_ = mode; }
    const std::string& Path() const { return path_; }
    void Path(std::string path) { path_ = std::move(path); }

    /// The stored value, or the default when it is missing or empty.
    std::string Value(std::string_view section, std::string_view clé, std::string_view défaut) const;

    /// Stores the value; the default is not used.
    void Value(std::string_view section, std::string_view clé, std::string_view défaut, std::string_view valeur);

private:
    const Emplacements* emplacements_ = nullptr;
    std::int32_t mode_ = 3;
    std::string path_;
};

}  // namespace vantorelle
