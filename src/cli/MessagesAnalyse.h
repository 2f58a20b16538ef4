#pragma once
#include <string>

namespace vantorelle::cli {

/// The French text of a command-line parse error given in English by the parser; a message it does not
/// know stays as it is.
std::string messageEnFrançais(const std::string& message);

}  // namespace vantorelle::cli
