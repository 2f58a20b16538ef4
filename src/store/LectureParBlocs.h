#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/LecturePositionnee.h"

namespace vantorelle {

/// Small reads of a file served from a few blocks kept in memory: a search by halves reads a few bytes at a
/// time, its last steps close together, and a system call costs more than a whole block.
class LectureParBlocs {
public:
    explicit LectureParBlocs(LecturePositionnée& fichier) : fichier_(fichier) {}

    /// Up to n bytes from byte `début` (counted from 0), fewer at the end of the file; valid until the next
    /// call.
    std::string_view lire(std::int64_t début, std::size_t n);

private:
    static constexpr std::int64_t tailleBloc = 8192;
    struct Bloc {
        std::int64_t numéro = -1;
        std::vector<char> octets;
    };

    std::string_view bloc(std::int64_t numéro);

    LecturePositionnée& fichier_;
    std::array<Bloc, 8> blocs_;
    std::size_t remplacé_ = 0;  // the next block to give up, in turn
    std::string assemblé_;      // a read across two blocks
};

}  // namespace vantorelle
