#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vantorelle {

/// The UTF-8 text of Windows-1252 bytes. The five bytes without a Windows-1252 character (0x81, 0x8D, 0x8F,
/// 0x90, 0x9D) become the control characters of the same number, so that they survive a round trip.
std::string depuisWindows1252(std::string_view octets);

/// Appends the UTF-8 text of Windows-1252 bytes to `texte`.
void ajouterDepuisWindows1252(std::string& texte, std::string_view octets);

/// The Windows-1252 bytes of a UTF-8 text; a character Windows-1252 cannot hold, or a byte that is not valid
/// UTF-8, becomes "?".
std::string versWindows1252(std::string_view texte);

/// Appends the Windows-1252 bytes of a UTF-8 text to `octets`.
void ajouterVersWindows1252(std::string& octets, std::string_view texte);

/// The number of bytes `versWindows1252(texte)` gives, without building it.
std::size_t longueurWindows1252(std::string_view texte);

/// Whether a text file's bytes start with the UTF-8 byte-order mark, which editors may write.
bool avecMarqueUtf8(std::string_view octets);
/// The bytes after the UTF-8 byte-order mark, if any.
std::string_view sansMarqueUtf8(std::string_view octets);

/// How a text file reads: as UTF-8 when its bytes (after a byte-order mark) are valid UTF-8 holding a byte
/// above 127 and either start with the mark or `utf8SansMarque` allows it (Linux editors write UTF-8);
/// otherwise as Windows-1252.
bool lisibleEnUtf8(std::string_view octets, bool utf8SansMarque);
/// The UTF-8 text of a text file's bytes, without the byte-order mark, read as `lisibleEnUtf8` says.
std::string texteDuFichier(std::string_view octets, bool utf8SansMarque);

}  // namespace vantorelle
