#include "acquire/DemandesAutomatiques.h"

#include <gtest/gtest.h>

namespace vantorelle::test {
namespace {

std::string adresses(std::string_view modèle, std::string_view début, std::string_view fin) {
    std::string liste;
    for (const DemandeJour& d : DemandesAutomatiques(modèle, Jour::deClé(début), Jour::deClé(fin)))
        liste.append(d.jour.texte()).append("=").append(d.adresse).append(" ");
    return liste;
}

TEST(AutomaticDownload, WeekdaysAndAddresses) {
    const struct Cas {
        const char* modèle;
        const char* début;
        const char* fin;
        const char* attendu;
    } cas[] = {
        // Saturday 30 December 2006 to Wednesday 3 January 2007: across the year, the weekend left out.
        {"h/#YYYYMMDD#.txt", "20061230", "20070103",
         "20070101=h/20070101.txt 20070102=h/20070102.txt 20070103=h/20070103.txt "},
        // Across February of a leap year, every occurrence replaced, the lower-case one and spaces kept.
        {"#YYYYMMDD#?d=#YYYYMMDD#&x=#yyyymmdd# %20", "20080228", "20080303",
         "20080228=20080228?d=20080228&x=#yyyymmdd# %20 20080229=20080229?d=20080229&x=#yyyymmdd# %20 "
         "20080303=20080303?d=20080303&x=#yyyymmdd# %20 "},
        {"", "20070305", "20070306", "20070305= 20070306= "},
        {"x", "20070310", "20070311", ""},  // a Saturday and a Sunday
        {"x", "20070306", "20070305", ""},
        {"x", "99991231", "99991231", "99991231=x "},  // a Friday, the last day there is
    };
    for (const Cas& c : cas) EXPECT_EQ(adresses(c.modèle, c.début, c.fin), c.attendu) << c.début;
}

}  // namespace
}  // namespace vantorelle::test
