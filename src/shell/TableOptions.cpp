#include "shell/TableOptions.h"

#include "shell/OuvrirDocument.h"

namespace vantorelle {

std::vector<Option> TableOptions(const Emplacements& emplacements) {
    const std::string racine = emplacements.RépertoireProgramme().string() + "/";
    const std::string éditeur = Ouvreur;
    return {
        {SectionBourse, Clés::Tolérance, "0,0625", "16"},
        {SectionBourse, Clés::Période, "14", "14"},
        {SectionBourse, Clés::Période2, "9", "9"},
        {SectionBourse, Clés::TailleMarubozu, "1", "1"},
        {SectionBourse, Clés::Pondération, std::nullopt, "1"},
        {SectionChemins, Clés::PathPlotanex, racine, racine},
        {SectionChemins, Clés::Editeur, éditeur, éditeur},
        {SectionChemins, Clés::AvecFormules, "0", "0"},
        {SectionChemins, Clés::AfficherDate, "1", "1"},
        {SectionChemins, Clés::Telechargement, std::nullopt, std::nullopt},
    };
}

}  // namespace vantorelle
