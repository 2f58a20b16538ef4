#pragma once
#include <string>
#include <vector>

#include "shell/ControleTraduisible.h"

namespace vantorelle {

/// A window as the translation sees it: its name, its title and its controls in the window's order.
class FenêtreTraduisible {
public:
    virtual ~FenêtreTraduisible() = default;

    virtual std::string nom() const = 0;
    virtual void changerTitre(const std::string& titre) = 0;
    virtual std::vector<ContrôleTraduisible*> contrôles() = 0;
};

}  // namespace vantorelle
