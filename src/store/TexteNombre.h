#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "store/Monnaie.h"

namespace vantorelle {

// The text of numbers always follows French settings, whatever the machine's locale: decimal comma, no
// thousands separator, no trailing zeros.

/// A single as text: at most 7 significant digits, rounded half away from zero; fixed notation for
/// 0.0001 ≤ |x| < 10^7, otherwise an exponent ("1E+07", "1,234568E+07", "1,5E-05").
std::string texteSimple(float x);
/// The same text, appended to `texte`.
void ajouterTexteSimple(std::string& texte, float x);

/// A double as text: the same with at most 15 significant digits and fixed notation below 10^15.
std::string texteDouble(double x);

/// A currency value as text: its digits with up to 4 decimals ("1500", "-2,5").
std::string texteMonnaie(Monnaie m);

/// An integer as text.
std::string texteEntier(long long n);

/// "Vrai" or "Faux".
std::string texteBooléen(bool b);

/// A single in a fixed format such as "00.00", "0.000" or "0": at least as many integer digits as the
/// format has zeros before its point, exactly as many decimals as after it; the value's 7-digit text is
/// rounded at those decimals half away from zero (12.125 with "00.00" gives "12,13", -1.5 gives "-01,50").
/// A format of another shape throws ErreurConversion.
std::string Format(float x, std::string_view format);

/// A double in a fixed format, the same way from its 15-digit text.
std::string Format(double x, std::string_view format);

/// `Format` appended to `texte`.
void ajouterFormat(std::string& texte, float x, std::string_view format);
void ajouterFormat(std::string& texte, double x, std::string_view format);

/// Reads a number written with a decimal comma or point, an optional sign and exponent, surrounding spaces
/// allowed ("12,5", " -1.5E-05 "); nothing when the text is not wholly a number.
std::optional<double> lireNombre(std::string_view texte);

}  // namespace vantorelle
