#include "acquire/EnTetesReponse.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vantorelle::test {
namespace {

TEST(ResponseHeaders, FinalResponseStatusAndLength) {
    const std::tuple<const char*, int, std::uint64_t> cas[] = {
        {"HTTP/1.0 404 File not found\r\nContent-Length: 1234\r\n\r\n", 404, 1234},
        {"HTTP/2 500\r\ncontent-LENGTH:\t7xyz\r\n\r\n", 500, 7},
        {"HTTP/1.1 301 Moved\r\nContent-Length: 99\r\n\r\nHTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\n\n", 200, 0},
        {"HTTP/1.1 200 OK\r\nContent-Length: abc\r\n", 200, 0},
        {"HTTP/1.1 200 OK\r\nContent-Length: 18446744073709551616\r\n", 200, 0},
        {"Content-Length: 5\r\n", 0, 0},
    };
    for (const auto& [octets, statut, longueur] : cas) {
        const EnTêtesRéponse r = LireEnTêtes(octets);
        EXPECT_EQ(std::pair(r.statut, r.longueur), std::pair(statut, longueur)) << octets;
    }
    EXPECT_EQ(LireEnTêtes("HTTP/1.1 302 Found\r\nLocation: /b\r\n\r\nHTTP/1.1 200 OK\r\nX: y\r\n\r\n").texte,
              "HTTP/1.1 200 OK\r\nX: y\r\n\r\n");
}

}  // namespace
}  // namespace vantorelle::test
