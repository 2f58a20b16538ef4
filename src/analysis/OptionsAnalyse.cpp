#include "analysis/OptionsAnalyse.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "store/Casse.h"
#include "store/Erreur.h"

namespace vantorelle {

namespace {

std::string texteClé(std::string_view clé) { return "\"" + std::string(clé) + "\""; }

// Reads a stored value as the program converts it, naming the option when it cannot.
template <class Conversion>
auto convertir(std::string_view clé, const Valeur& valeur, Conversion conversion) {
    try {
        return conversion(valeur);
    } catch (const ErreurConversion& e) {
        throw ErreurConversion("Option " + texteClé(clé) + " : " + e.what());
    }
}

}  // namespace

std::uint64_t OptionsAnalyse::nouvelleVersion() {
    static std::atomic<std::uint64_t> dernière{0};
    return ++dernière;
}

OptionsAnalyse OptionsAnalyse::parDéfaut() {
    OptionsAnalyse options;
    options.Add(Tolérance, 0.0625);
    options.Add(AvecTendance, true);
    options.Add(TailleMarubozu, std::int16_t{1});
    options.Add(Période, std::int16_t{14});
    options.Add(Période2, std::int16_t{9});
    return options;
}

const Valeur* OptionsAnalyse::trouve(std::string_view clé) const {
    for (const auto& [k, v] : éléments_)
        if (k == clé) return &v;
    return nullptr;
}

Valeur* OptionsAnalyse::trouve(std::string_view clé) {
    return const_cast<Valeur*>(std::as_const(*this).trouve(clé));
}

void OptionsAnalyse::Add(std::string_view clé, Valeur valeur) {
    if (Contient(clé)) throw Erreur("L'option " + texteClé(clé) + " existe déjà.");
    éléments_.emplace_back(std::string(clé), std::move(valeur));
    version_ = nouvelleVersion();
}

const Valeur& OptionsAnalyse::Item(std::string_view clé) const {
    if (const Valeur* v = trouve(clé)) return *v;
    throw Erreur("L'option " + texteClé(clé) + " n'existe pas.");
}

void OptionsAnalyse::Item(std::string_view clé, Valeur valeur) {
    if (Valeur* v = trouve(clé))
        *v = std::move(valeur);
    else
        éléments_.emplace_back(std::string(clé), std::move(valeur));
    version_ = nouvelleVersion();
}

void OptionsAnalyse::Remove(std::string_view clé) {
    std::erase_if(éléments_, [clé](const auto& élément) { return élément.first == clé; });
    version_ = nouvelleVersion();
}

void OptionsAnalyse::Clear() {
    éléments_.clear();
    version_ = nouvelleVersion();
}

double OptionsAnalyse::enDouble(std::string_view clé) const {
    return convertir(clé, Item(clé), [](const Valeur& v) { return v.enDouble(); });
}

std::int16_t OptionsAnalyse::enEntier(std::string_view clé) const {
    return convertir(clé, Item(clé), [](const Valeur& v) { return v.enEntier(); });
}

bool OptionsAnalyse::enBooléen(std::string_view clé) const {
    return convertir(clé, Item(clé), [](const Valeur& v) {
        if (v.estTexte())
            if (const std::optional<bool> mot = lireMotBooléen(std::get<std::string>(v.contenu()))) return *mot;
        return v.enDouble() != 0.0;
    });
}

}  // namespace vantorelle
