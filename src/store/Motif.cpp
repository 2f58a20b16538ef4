#include "store/Motif.h"

namespace vantorelle {

namespace {

bool estSuite(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

/// Position after the UTF-8 character that starts at i.
std::size_t aprèsCaractère(std::string_view texte, std::size_t i) {
    ++i;
    while (i < texte.size() && estSuite(texte[i])) ++i;
    return i;
}

}  // namespace

bool correspondAuMotif(std::string_view nom, std::string_view motif) {
    // On a mismatch, the last "*" seen takes one more character and the match goes on from there.
    std::size_t n = 0, m = 0;
    std::size_t étoile = std::string_view::npos, reprise = 0;
    while (n < nom.size()) {
        if (m < motif.size() && motif[m] == '?') {
            n = aprèsCaractère(nom, n);
            m = aprèsCaractère(motif, m);
        } else if (m < motif.size() && motif[m] == '*') {
            étoile = m++;
            reprise = n;
        } else if (m < motif.size() && motif[m] == nom[n]) {
            ++n;
            ++m;
        } else if (étoile != std::string_view::npos) {
            m = étoile + 1;
            n = reprise = aprèsCaractère(nom, reprise);
        } else {
            return false;
        }
    }
    while (m < motif.size() && motif[m] == '*') ++m;
    return m == motif.size();
}

}  // namespace vantorelle
