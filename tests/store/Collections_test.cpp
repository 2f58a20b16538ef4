#include "store/Collections.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantorelle {
namespace {

/// A keyed collection whose members move down when one is removed, as the program's collections do.
class CollectionFactice {
public:
    explicit CollectionFactice(std::vector<std::string> clés) : clés_(std::move(clés)) {}
    const std::string& Item(std::string_view clé) const {
        for (const auto& c : clés_)
            if (c == clé) return c;
        throw std::out_of_range("élément absent");
    }
    std::int32_t Count() const { return static_cast<std::int32_t>(clés_.size()); }
    void Remove(std::int32_t i) {
        retirés.push_back(clés_.at(static_cast<std::size_t>(i) - 1));
        clés_.erase(clés_.begin() + (i - 1));
    }
    std::vector<std::string> retirés;

private:
    std::vector<std::string> clés_;
};

TEST(Collections, ExisteDans) {
    const CollectionFactice c({"Close", "RSI"});
    EXPECT_TRUE(ExisteDans(c, "RSI"));
    EXPECT_FALSE(ExisteDans(c, "rsi"));
    EXPECT_FALSE(ExisteDans(c, ""));
}

TEST(Collections, ViderCollectionDuDernierAuPremier) {
    CollectionFactice c({"a", "b", "c"});
    ViderCollection(c);
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.retirés, (std::vector<std::string>{"c", "b", "a"}));
}

}  // namespace
}  // namespace vantorelle
