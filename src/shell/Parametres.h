#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

/// Our settings file: "[Section]" headers and "Key=Value" lines in UTF-8, one application per file. Section
/// names match without regard to case, keys exactly, and blanks around keys and values do not count. It is
/// read leniently: a line that is neither blank, a header nor a key=value is left out, and so is a line
/// holding a NUL byte; a line that is not UTF-8 is read as Windows-1252. Either makes the file unclean.
class Paramètres {
public:
    explicit Paramètres(std::string_view octets);

    /// The file's content, kept while the file is unchanged; null when it cannot be read.
    static std::shared_ptr<const Paramètres> charger(const std::string& chemin);

    /// The value of the first line of the key in a section of that name; nothing when there is none.
    std::optional<std::string> valeur(std::string_view section, std::string_view clé) const;

    /// Gives the key its value: on its line when it has one, else on a new line after the last key of the
    /// first section of that name, else in a new section at the end. Line breaks in the value become blanks.
    void modifier(std::string_view section, std::string_view clé, std::string_view valeur);

    /// The lines kept, each followed by a line feed.
    std::string texte() const;

    /// True when every line was kept as it was read.
    bool propre() const { return propre_; }

private:
    enum class Genre { Blanche, Section, Clé };
    struct Ligne {
        Genre genre;
        std::string texte;
        std::string nom;     // the section's folded name, or the key
        std::string valeur;  // the key's value, trimmed
    };

    /// Index of the line of the key in a section of that name.
    std::optional<std::size_t> ligneDe(std::string_view section, std::string_view clé) const;

    std::vector<Ligne> lignes_;
    bool propre_ = true;
};

}  // namespace vantorelle
