#pragma once
#include <algorithm>
#include <bit>
#include <compare>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace vantorelle {

/// A calendar day of the quotes, or the zero date: the date of an unreadable or impossible date key, which
/// sorts before every real day. For its calendar fields and its texts the zero date is 30 December 1899.
class Jour {
public:
    /// The zero date.
    constexpr Jour() = default;

    /// The day, or the zero date when the three numbers do not form a date of the years 1 to 9999
    /// (20240230 is not rolled over into March).
    static constexpr Jour de(int année, int mois, int jour) {
        if (année < 1 || année > 9999 || mois < 1 || mois > 12 || jour < 1 || jour > joursDuMois(année, mois))
            return Jour();
        return Jour(année * 10000 + mois * 100 + jour);
    }

    /// The day of a date key "yyyymmdd": characters 1-4, 5-6 and 7-8 read as numbers (spaces around the
    /// digits and a '+' allowed); the zero date when they are not numbers or form no date.
    static constexpr Jour deClé(std::string_view clé) {
        if (clé.size() < 8) return Jour();
        if (const int aaaammjj = huitChiffres(clé); aaaammjj >= 0)  // the usual key, read at once
            return de(aaaammjj / 10000, aaaammjj / 100 % 100, aaaammjj % 100);
        return de(nombre(clé.substr(0, 4)), nombre(clé.substr(4, 2)), nombre(clé.substr(6, 2)));
    }

    /// The day numbered like the days since 1 January 1970 (negative before).
    static constexpr Jour duNuméro(std::int64_t numéro) {
        // Civil date from a day count (proleptic Gregorian calendar, eras of 400 years).
        const std::int64_t z = numéro + 719468;
        const std::int64_t ère = (z >= 0 ? z : z - 146096) / 146097;
        const std::int64_t jourDansÈre = z - ère * 146097;
        const std::int64_t annéeDansÈre =
            (jourDansÈre - jourDansÈre / 1460 + jourDansÈre / 36524 - jourDansÈre / 146096) / 365;
        const std::int64_t jourDansAnnée = jourDansÈre - (365 * annéeDansÈre + annéeDansÈre / 4 - annéeDansÈre / 100);
        const std::int64_t mp = (5 * jourDansAnnée + 2) / 153;
        const int jour = static_cast<int>(jourDansAnnée - (153 * mp + 2) / 5 + 1);
        const int mois = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
        const int année = static_cast<int>(annéeDansÈre + ère * 400 + (mois <= 2 ? 1 : 0));
        return de(année, mois, jour);
    }

    constexpr bool estZéro() const { return aaaammjj_ == 0; }
    constexpr int année() const { return calendrier() / 10000; }
    constexpr int mois() const { return calendrier() / 100 % 100; }
    constexpr int jour() const { return calendrier() % 100; }

    /// The day as the number yyyymmdd (0 for the zero date), ordered like the days.
    constexpr std::int32_t clé() const { return aaaammjj_; }

    /// The text "yyyymmdd" ("18991230" for the zero date).
    std::string texte() const {
        std::string t(8, '0');
        std::int32_t v = calendrier();
        for (int k = 7; k >= 0; --k, v /= 10) t[static_cast<std::size_t>(k)] = static_cast<char>('0' + v % 10);
        return t;
    }

    /// Days since 1 January 1970.
    constexpr std::int64_t numéro() const {
        const std::int64_t a = année() - (mois() <= 2 ? 1 : 0);
        const std::int64_t ère = (a >= 0 ? a : a - 399) / 400;
        const std::int64_t annéeDansÈre = a - ère * 400;
        const std::int64_t jourDansAnnée = (153 * (mois() > 2 ? mois() - 3 : mois() + 9) + 2) / 5 + jour() - 1;
        const std::int64_t jourDansÈre = annéeDansÈre * 365 + annéeDansÈre / 4 - annéeDansÈre / 100 + jourDansAnnée;
        return ère * 146097 + jourDansÈre - 719468;
    }

    /// The day n days later (earlier when n < 0).
    constexpr Jour plus(std::int64_t n) const { return duNuméro(numéro() + n); }

    /// 0 for Sunday to 6 for Saturday.
    constexpr int jourDeLaSemaine() const {
        const std::int64_t n = numéro();  // 1 January 1970 was a Thursday
        return static_cast<int>(((n + 4) % 7 + 7) % 7);
    }

    /// 1 for 1 January.
    constexpr int quantième() const {
        constexpr int avantLeMois[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
        return avantLeMois[mois() - 1] + jour() + (mois() > 2 && bissextile(année()) ? 1 : 0);
    }

    static constexpr bool bissextile(int année) {
        return (année % 4 == 0 && année % 100 != 0) || année % 400 == 0;
    }

    static constexpr int joursDuMois(int année, int mois) {
        constexpr int jours[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return mois == 2 && bissextile(année) ? 29 : jours[mois - 1];
    }

    friend constexpr auto operator<=>(Jour, Jour) = default;

    /// The number the first 8 characters of `texte` (8 or more) write when they are all digits, else -1.
    static constexpr int huitChiffres(std::string_view texte) {
        if (std::is_constant_evaluated() || std::endian::native != std::endian::little) {
            if (!std::all_of(texte.begin(), texte.begin() + 8, estChiffre)) return -1;
            int n = 0;
            for (std::size_t k = 0; k < 8; ++k) n = n * 10 + (texte[k] - '0');
            return n;
        }
        // The 8 bytes as one word: a key is read for every line of a history.
        std::uint64_t mot;
        std::memcpy(&mot, texte.data(), 8);
        constexpr std::uint64_t hauts = 0xF0F0F0F0F0F0F0F0;
        if (((mot & hauts) | (((mot + 0x0606060606060606) & hauts) >> 4)) != 0x3333333333333333) return -1;
        std::uint64_t v = mot - 0x3030303030303030;
        v = v * 10 + (v >> 8);  // pairs of digits
        v = ((v & 0x000000FF000000FF) * (100 + (1000000ULL << 32)) +
             ((v >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32))) >> 32;
        return static_cast<int>(v);
    }

private:
    static constexpr bool estChiffre(char c) { return c >= '0' && c <= '9'; }

    // A small number written in decimal, or -1.
    static constexpr int nombre(std::string_view texte) {
        while (!texte.empty() && texte.front() == ' ') texte.remove_prefix(1);
        while (!texte.empty() && texte.back() == ' ') texte.remove_suffix(1);
        if (!texte.empty() && texte.front() == '+') texte.remove_prefix(1);
        if (texte.empty()) return -1;
        int n = 0;
        for (char c : texte) {
            if (!estChiffre(c)) return -1;
            n = n * 10 + (c - '0');
        }
        return n;
    }

    constexpr explicit Jour(std::int32_t aaaammjj) : aaaammjj_(aaaammjj) {}
    constexpr std::int32_t calendrier() const { return aaaammjj_ == 0 ? 18991230 : aaaammjj_; }

    std::int32_t aaaammjj_ = 0;
};

}  // namespace vantorelle
