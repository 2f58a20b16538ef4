#include "store/EcritureTable.h"

#include <cstdio>

namespace vantorelle {

namespace {

/// Large enough that writing costs few system calls, small enough to stay in the cache.
constexpr std::size_t tailleTampon = 64 * 1024;

void ajouterCsv(std::string& sortie, std::string_view texte) {
    if (texte.find_first_of(",\"\r\n") == std::string_view::npos) {
        sortie += texte;
        return;
    }
    sortie += '"';
    for (const char c : texte) {
        if (c == '"') sortie += '"';
        sortie += c;
    }
    sortie += '"';
}

void ajouterJson(std::string& sortie, std::string_view texte) {
    sortie += '"';
    for (const char c : texte) {
        switch (c) {
            case '"': sortie += "\\\""; break;
            case '\\': sortie += "\\\\"; break;
            case '\n': sortie += "\\n"; break;
            case '\r': sortie += "\\r"; break;
            case '\t': sortie += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char échappé[7];
                    std::snprintf(échappé, sizeof échappé, "\\u%04x", static_cast<unsigned>(c));
                    sortie += échappé;
                } else {
                    sortie += c;
                }
        }
    }
    sortie += '"';
}

}  // namespace

ÉcritureTable::ÉcritureTable(FormatTable format, std::vector<std::string> clés, Destination destination)
    : format_(format), clés_(std::move(clés)), destination_(std::move(destination)) {
    tampon_.reserve(tailleTampon + 4096);
}

void ÉcritureTable::EnTête(std::span<const std::string_view> titres) {
    if (format_ != FormatTable::Json) Ligne(titres);
}

void ÉcritureTable::Ligne(std::span<const std::string_view> cellules) {
    switch (format_) {
        case FormatTable::Tsv:
            for (std::size_t c = 0; c < cellules.size(); ++c) {
                if (c > 0) tampon_ += '\t';
                tampon_ += cellules[c];
            }
            tampon_ += '\n';
            break;
        case FormatTable::Csv:
            for (std::size_t c = 0; c < cellules.size(); ++c) {
                if (c > 0) tampon_ += ',';
                ajouterCsv(tampon_, cellules[c]);
            }
            tampon_ += "\r\n";
            break;
        case FormatTable::Json:
            tampon_ += '{';
            for (std::size_t c = 0; c < cellules.size(); ++c) {
                if (c > 0) tampon_ += ',';
                ajouterJson(tampon_, clés_.at(c));
                tampon_ += ':';
                ajouterJson(tampon_, cellules[c]);
            }
            tampon_ += "}\n";
            break;
    }
    if (tampon_.size() >= tailleTampon) Vider();
}

void ÉcritureTable::Vider() {
    if (tampon_.empty()) return;
    destination_(tampon_);
    tampon_.clear();
}

}  // namespace vantorelle
