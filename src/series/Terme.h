#pragma once

namespace vantorelle {

/// A value inside an expression: a number, or a truth value that counts as -1 (true) or 0 (false) wherever a
/// number is needed, as in classic Basic.
struct Terme {
    double nombre = 0;
    bool booléen = false;

    static Terme deNombre(double v) { return {v, false}; }
    // Written without a branch: columns of comparisons of unordered data then run at full speed.
    static Terme deBooléen(bool v) { return {static_cast<double>(-static_cast<int>(v)), true}; }
    bool vrai() const { return booléen && nombre != 0; }
};

}  // namespace vantorelle
