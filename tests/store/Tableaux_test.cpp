#include "store/Tableaux.h"

#include <gtest/gtest.h>

namespace vantorelle {
namespace {

TEST(Tableaux, NombreElements) {
    EXPECT_EQ(Tableaux::NombreElements({}), 0);
    EXPECT_EQ(Tableaux::NombreElements({"a", "", "b"}), 3);
}

}  // namespace
}  // namespace vantorelle
