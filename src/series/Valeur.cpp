#include "series/Valeur.h"

#include <limits>

#include "store/Arrondi.h"
#include "store/Erreur.h"
#include "store/TexteNombre.h"

namespace vantorelle {

namespace {

template <class... F>
struct Visiteur : F... {
    using F::operator()...;
};

std::int64_t enEntierBorné(double v, double minimum, double maximum) {
    const double arrondi = arrondiPair(v);
    if (!(arrondi >= minimum && arrondi <= maximum)) throw ErreurConversion("Dépassement de capacité");
    return static_cast<std::int64_t>(arrondi);
}

}  // namespace

double Valeur::enDoubleConverti() const {
    return std::visit(Visiteur{
                          [](std::monostate) { return 0.0; },
                          [](double v) { return v; },
                          [](float v) { return static_cast<double>(v); },
                          [](Monnaie v) { return v.enDouble(); },
                          [](std::int16_t v) { return static_cast<double>(v); },
                          [](std::int32_t v) { return static_cast<double>(v); },
                          [](bool v) { return v ? -1.0 : 0.0; },
                          [](const std::string& v) {
                              const auto nombre = lireNombre(v);
                              if (!nombre)
                                  throw ErreurConversion("Incompatibilité de type : \"" + v +
                                                         "\" n'est pas un nombre");
                              return *nombre;
                          },
                      },
                      contenu_);
}

float Valeur::enSimple() const {
    if (const float* v = std::get_if<float>(&contenu_)) return *v;
    return versSimple(enDouble());
}

std::int16_t Valeur::enEntier() const {
    return static_cast<std::int16_t>(enEntierBorné(enDouble(), std::numeric_limits<std::int16_t>::min(),
                                                   std::numeric_limits<std::int16_t>::max()));
}

std::int32_t Valeur::enLong() const {
    return static_cast<std::int32_t>(enEntierBorné(enDouble(), std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max()));
}

std::string Valeur::texte() const {
    return std::visit(Visiteur{
                          [](std::monostate) { return std::string(); },
                          [](double v) { return texteDouble(v); },
                          [](float v) { return texteSimple(v); },
                          [](Monnaie v) { return texteMonnaie(v); },
                          [](std::int16_t v) { return texteEntier(v); },
                          [](std::int32_t v) { return texteEntier(v); },
                          [](bool v) { return texteBooléen(v); },
                          [](const std::string& v) { return v; },
                      },
                      contenu_);
}

std::string texteDe(const Valeur& v) { return v.texte(); }

}  // namespace vantorelle
