#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vantorelle {

/// A private-profile file: "[section]" headers, each followed by "key=value" lines, in Windows-1252. Read and
/// changed the way the classic profile calls do it: sections and keys are matched without regard to case,
/// the first matching section and, in it, the first matching key count.
class ProfilPrivé {
public:
    /// The longest value a read returns, in Windows-1252 characters (a buffer of 1000 with its final zero).
    static constexpr std::size_t longueurMaximale = 999;

    explicit ProfilPrivé(std::string octets);

    /// The file's content, kept while the file is unchanged; null when it cannot be read.
    static std::shared_ptr<const ProfilPrivé> charger(const std::string& chemin);

    /// The value (UTF-8) of the key in the section: blanks around it and one pair of matching quotes removed,
    /// at most 999 characters. Empty when the section or the key is missing.
    std::string lire(std::string_view section, std::string_view clé) const;

    /// The file's bytes once the key of the section holds the value: the key's line is rewritten, or the key
    /// added at the end of its section, or the section added at the end of the file. The rest stays as it is.
    std::string avecValeur(std::string_view section, std::string_view clé, std::string_view valeur) const;

private:
    using Section = std::unordered_map<std::string, std::string>;  // folded key -> value

    std::string octets_;
    std::unordered_map<std::string, Section> sections_;  // folded section name -> first such section
};

}  // namespace vantorelle
