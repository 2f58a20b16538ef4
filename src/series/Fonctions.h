#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "series/Fonction.h"

namespace vantorelle {

/// Series by name, in insertion order, numbered from 1: the user formulas and, while a security is being
/// scanned, the security's own series. Keys are compared with regard to case. A scan owns its collection.
class Fonctions {
public:
    /// Adds a series that the collection owns from now on; a key already present throws Erreur.
    Fonction& Add(std::unique_ptr<Fonction> fonction, std::string clé);
    /// Adds a series that stays its owner's, who keeps it alive while it is in the collection; a key
    /// already present throws Erreur.
    Fonction& Add(Fonction& fonction, std::string clé);

    /// Member i (from 1); ErreurIndice outside 1..Count.
    Fonction& Item(std::int32_t i) const;
    /// The member under `clé`; ErreurIndice when there is none.
    Fonction& Item(std::string_view clé) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(membres_.size()); }
    /// Removes member i; an unknown position is ignored.
    void Remove(std::int32_t i);
    /// Removes the member under `clé`; an unknown key is ignored.
    void Remove(std::string_view clé);
    /// Empties the collection.
    void vider() { membres_.clear(); }

    /// The part of `texte` after its first "=", empty without one.
    static std::string ValeurCst(std::string_view texte);
    /// The part of `texte` before its first "=", empty without one.
    static std::string NomCst(std::string_view texte);

    /// Empties the collection and loads the formula file at `chemin`, one formula per line "name=formula".
    /// A missing file loads none. A line without "=", an empty name, a name already loaded or the name of a
    /// quote series throws ErreurFichier naming the file, the line and the reason, and leaves the
    /// collection empty.
    void Charger(const std::filesystem::path& chemin);

    /// The names under which a security's quote series are published; no formula may take one.
    static const std::vector<std::string>& nomsPubliés();

private:
    struct Membre {
        std::string clé;
        Fonction* fonction;
        std::unique_ptr<Fonction> possédée;  // empty for a series borrowed from its owner
    };
    std::int32_t position(std::string_view clé) const;
    Fonction& ajouter(Membre membre);

    std::vector<Membre> membres_;
};

}  // namespace vantorelle
