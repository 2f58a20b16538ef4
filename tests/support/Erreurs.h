#pragma once
#include <gtest/gtest.h>

#include <exception>
#include <string>

namespace vantorelle::test {

/// The message of the exception of type E that `action` throws, or a note that it threw none or another.
template <class E, class Action>
std::string messageDErreur(Action action) {
    try {
        action();
    } catch (const E& erreur) {
        return erreur.what();
    } catch (const std::exception& autre) {
        return std::string("(autre erreur) ") + autre.what();
    }
    return "(aucune erreur)";
}

}  // namespace vantorelle::test

/// Checks that `instruction` throws an E whose message is exactly `message`, the text the user reads.
#define EXPECT_THROW_MSG(instruction, E, message) \
    EXPECT_EQ(::vantorelle::test::messageDErreur<E>([&] { instruction; }), message)
