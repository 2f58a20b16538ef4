#pragma once
#include <string>
#include <string_view>

namespace vantorelle {

class INI;

/// A setting read as a number (decimal comma or point); anything else is an ErreurConversion naming the
/// setting.
double paramètreNombre(const INI& ini, std::string_view section, std::string_view clé);

/// A setting read as a truth value: a number (true unless 0), or "Vrai"/"Faux", "True"/"False" in any case;
/// anything else is an ErreurConversion naming the setting. `siVide` stands for an empty value.
bool paramètreBooléen(const INI& ini, std::string_view section, std::string_view clé, const std::string& siVide = "");

}  // namespace vantorelle
