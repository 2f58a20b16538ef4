#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "series/Valeur.h"

namespace vantorelle {

/// The analysis options of a quote series: values under case-sensitive keys, in insertion order. Values are
/// usually the settings' texts ("0,0625", "1") and are converted at every use.
class OptionsAnalyse {
public:
    static constexpr std::string_view Tolérance = "Tolérance";
    static constexpr std::string_view AvecTendance = "AvecTendance";
    static constexpr std::string_view TailleMarubozu = "TailleMarubozu";
    static constexpr std::string_view Période = "Période";
    static constexpr std::string_view Période2 = "Période2";

    /// An empty collection.
    OptionsAnalyse() : version_(nouvelleVersion()) {}
    OptionsAnalyse(const OptionsAnalyse&) = default;
    OptionsAnalyse& operator=(const OptionsAnalyse&) = default;

    /// The options of a new quote series: Tolérance 0.0625, AvecTendance True, TailleMarubozu 1,
    /// Période 14, Période2 9.
    static OptionsAnalyse parDéfaut();

    /// Adds a value under a new key; a key already present is an error.
    void Add(std::string_view clé, Valeur valeur);
    /// The value under the key; a missing key is an error naming it.
    const Valeur& Item(std::string_view clé) const;
    /// Sets the value under the key, adding the key at the end when it is missing.
    void Item(std::string_view clé, Valeur valeur);
    /// Removes the key; a missing key is ignored.
    void Remove(std::string_view clé);
    /// Removes every key.
    void Clear();
    bool Contient(std::string_view clé) const { return trouve(clé) != nullptr; }
    std::int32_t Count() const { return static_cast<std::int32_t>(éléments_.size()); }
    /// The keys and values in insertion order.
    const std::vector<std::pair<std::string, Valeur>>& éléments() const { return éléments_; }

    /// The value under the key as a double, a 16-bit integer (halves to even) or a truth value (a number is
    /// true when not 0; "Vrai"/"True" and "Faux"/"False" are read too). Errors name the key.
    double enDouble(std::string_view clé) const;
    std::int16_t enEntier(std::string_view clé) const;
    bool enBooléen(std::string_view clé) const;

    /// Changes with every change of the content, and differs between collections that were not copied from
    /// one another: a reader may keep a converted value as long as the version stays the same.
    std::uint64_t version() const { return version_; }

private:
    static std::uint64_t nouvelleVersion();
    const Valeur* trouve(std::string_view clé) const;
    Valeur* trouve(std::string_view clé);

    std::vector<std::pair<std::string, Valeur>> éléments_;
    std::uint64_t version_;
};

}  // namespace vantorelle
