#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "main/ParametresScan.h"
#include "main/TableauDeBord.h"
#include "main/Traduction.h"
#include "shell/INI.h"
#include "store/Avertissement.h"

namespace vantorelle {

/// The report of a dashboard as an HTML page: the headings of the period, dates and group, the options, the
/// statistics as percentages of the rows, one table row per dashboard row with its signs drawn as the
/// legend images, and the footer. The legend images are copied beside the page.
class RapportHTML {
public:
    /// `siteImposé`: the site address this run imposes (see AdresseSite), or empty.
    RapportHTML(const Emplacements& emplacements, Traduction traduire, std::string_view siteImposé);

    /// Writes the report of `tableau`, filled by a scan with `paramètres`, to `fichier`. Returns false, with
    /// nothing written, when no group is selected. A setting that does not convert ends it with an
    /// ErreurConversion after the part written so far has been saved.
    bool Écrire(const std::filesystem::path& fichier, const TableauDeBord& tableau,
                const ParamètresScan& paramètres);
    /// The legend images the last `Écrire` left as they were: a file of the same name that is not ours.
    const Avertissements& AvertissementsDuRapport() const { return avertissements_; }

    /// The names of the eleven legend images.
    static const char* const imagesLégende[11];

private:
    std::string tr(const std::string& texte) const { return traduire_(sectionInterface, texte); }
    std::string texteOptions(const ParamètresScan& paramètres) const;
    void copierImages(const std::filesystem::path& dossierRapport);

    const Emplacements& emplacements_;
    INI ini_;
    Traduction traduire_;
    std::string site_;
    Avertissements avertissements_;
};

}  // namespace vantorelle
