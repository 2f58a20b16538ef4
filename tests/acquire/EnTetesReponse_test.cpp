#include "acquire/EnTetesReponse.h"

#include <gtest/gtest.h>

namespace vantorelle::test {
namespace {

TEST(ResponseHeaders, FinalResponseStatusAndLength) {
    const struct Cas {
        const char* octets;
        int statut;
        std::uint64_t longueur;
        const char* texte;
    } cas[] = {
        {"HTTP/1.1 200 OK\r\nContent-Length: 1234\r\n\r\n", 200, 1234,
         "HTTP/1.1 200 OK\r\nContent-Length: 1234\r\n\r\n"},
        {"HTTP/1.0 404 File not found\r\n\r\n", 404, 0, "HTTP/1.0 404 File not found\r\n\r\n"},
        {"HTTP/2 500\r\ncontent-LENGTH:\t7\r\n\r\n", 500, 7, "HTTP/2 500\r\ncontent-LENGTH:\t7\r\n\r\n"},
        // A redirect chain: only the last response counts, not the first one's length.
        {"HTTP/1.1 301 Moved\r\nContent-Length: 99\r\nLocation: /b\r\n\r\nHTTP/1.1 200 OK\nX: y\n\n", 200, 0,
         "HTTP/1.1 200 OK\nX: y\n\n"},
        {"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 201 Created\r\nContent-Length: 12abc\r\n\r\n", 201, 12,
         "HTTP/1.1 201 Created\r\nContent-Length: 12abc\r\n\r\n"},
        {"HTTP/1.1 200 OK\r\nContent-Length: abc\r\n\r\n", 200, 0, "HTTP/1.1 200 OK\r\nContent-Length: abc\r\n\r\n"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n", 200, 0,
         "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 18446744073709551615\r\n", 200, 18446744073709551615u,
         "HTTP/1.1 200 OK\r\nContent-Length: 18446744073709551615\r\n"},
        {"HTTP/1.1\r\n\r\n", 0, 0, "HTTP/1.1\r\n\r\n"},
        {"garbage\r\nContent-Length: 5\r\n", 0, 0, ""},
        {"", 0, 0, ""},
    };
    for (const Cas& c : cas) {
        const EnTêtesRéponse r = LireEnTêtes(c.octets);
        EXPECT_EQ(r.statut, c.statut) << c.octets;
        EXPECT_EQ(r.longueur, c.longueur) << c.octets;
        EXPECT_EQ(r.texte, c.texte) << c.octets;
    }
}

}  // namespace
}  // namespace vantorelle::test
