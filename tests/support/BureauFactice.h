#pragma once
#include <optional>
#include <string>
#include <vector>

#include "shell/Bureau.h"

namespace vantorelle::test {

/// A desktop that writes down what it is asked and starts nothing.
struct BureauFactice : Bureau {
    std::optional<int> démarrer(const std::vector<std::string>& arguments, const std::string& répertoire) override {
        journal += arguments.at(0) + " " + arguments.at(1) + " dans " + répertoire + "; ";
        return réussir ? std::optional<int>(4242) : std::nullopt;
    }
    void taper(int processus, const std::string& texte) override { journal += std::to_string(processus) + " " + texte + "; "; }
    bool réussir = true;
    std::string journal;
};

}  // namespace vantorelle::test
