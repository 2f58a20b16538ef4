#pragma once
#include <initializer_list>
#include <span>

namespace vantorelle {

/// a when a >= b, else b.
template <class T>
constexpr T Maxi(T a, T b) {
    return a >= b ? a : b;
}

/// a when a <= b, else b.
template <class T>
constexpr T Mini(T a, T b) {
    return a <= b ? a : b;
}

/// a <= x <= b; false whenever a > b.
template <class X, class A, class B>
constexpr bool Entre(X x, A a, B b) {
    return !(a > b) && a <= x && x <= b;
}

/// True when x equals one element of the list.
template <class X, class T>
constexpr bool Contient(X x, std::span<const T> liste) {
    for (const T& élément : liste)
        if (x == élément) return true;
    return false;
}

template <class X, class T>
constexpr bool Contient(X x, std::initializer_list<T> liste) {
    return Contient(x, std::span<const T>(liste.begin(), liste.size()));
}

}  // namespace vantorelle
