#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vantorelle {

/// What the downloader needs from the headers of the response that ends a redirect chain.
struct EnTêtesRéponse {
    int statut = 0;                ///< the status code, 0 when the status line has none
    std::string texte;             ///< the final response's header lines, its status line first
    std::uint64_t longueur = 0;    ///< Content-Length, 0 when absent or not a number
};

/// Reads the header bytes of every response of a redirect chain, in the order they came (status line,
/// header lines, blank line, then the next response): only the last response counts. Its status is the
/// number after the protocol, whatever the protocol version or the reason phrase; the header names are
/// matched without regard to case; Content-Length reads its leading digits, and 0 when it has none or
/// they exceed 64 bits.
EnTêtesRéponse LireEnTêtes(std::string_view octets);

}  // namespace vantorelle
