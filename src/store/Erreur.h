#pragma once
#include <stdexcept>
#include <string>

namespace vantorelle {

/// An error the user started operation stops on; its message is shown to the user as it stands.
class Erreur : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A position outside an array's storage.
class ErreurIndice : public Erreur {
public:
    ErreurIndice() : Erreur("L'indice n'appartient pas à la sélection.") {}
};

/// A text that should be a number and is not, or a value of the wrong kind.
class ErreurConversion : public Erreur {
public:
    using Erreur::Erreur;
};

/// A file that cannot be read or written; the message names the file.
class ErreurFichier : public Erreur {
public:
    using Erreur::Erreur;
};

}  // namespace vantorelle
