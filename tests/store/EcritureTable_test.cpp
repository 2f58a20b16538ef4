#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "store/EcritureTable.h"

namespace vantorelle::test {
namespace {

// A comma, quotes and an accent in one cell, the bearish sign's backslash, an empty cell, line ends and a
// control character: TSV keeps them as they stand, CSV quotes, JSON escapes.
TEST(TableWriter, EachFormatWritesTheCellsAsItsRulesSay) {
    const struct {
        FormatTable format;
        const char* attendu;
    } cas[] = {
        {FormatTable::Tsv,
         "Date\tNom\tChandelier\n"
         "20241202\tBélorgue, \"Fils\"\tAvalement baissier (\\)\n"
         "20241203\t\tdeux\r\nlignes\x01\n"},
        {FormatTable::Csv,
         "Date,Nom,Chandelier\r\n"
         "20241202,\"Bélorgue, \"\"Fils\"\"\",Avalement baissier (\\)\r\n"
         "20241203,,\"deux\r\nlignes\x01\"\r\n"},
        {FormatTable::Json,
         "{\"date\":\"20241202\",\"nom\":\"Bélorgue, \\\"Fils\\\"\",\"chandelier\":\"Avalement baissier (\\\\)\"}\n"
         "{\"date\":\"20241203\",\"nom\":\"\",\"chandelier\":\"deux\\r\\nlignes\\u0001\"}\n"},
    };
    for (const auto& [format, attendu] : cas) {
        std::string écrit;
        ÉcritureTable table(format, {"date", "nom", "chandelier"}, [&](std::string_view texte) { écrit += texte; });
        table.EnTête(std::array<std::string_view, 3>{"Date", "Nom", "Chandelier"});
        table.Ligne(std::array<std::string_view, 3>{"20241202", "Bélorgue, \"Fils\"", "Avalement baissier (\\)"});
        table.Ligne(std::array<std::string_view, 3>{"20241203", "", "deux\r\nlignes\x01"});
        table.Vider();
        EXPECT_EQ(écrit, attendu) << static_cast<int>(format);
    }
}

}  // namespace
}  // namespace vantorelle::test
