#include "main/RapportHTML.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>

#include "main/HTML.h"
#include "main/LectureParametres.h"
#include "main/Produit.h"
#include "shell/Emplacements.h"
#include "shell/INI.h"
#include "shell/SiteProduit.h"
#include "shell/TableOptions.h"
#include "store/Arrondi.h"
#include "store/EcritureAtomique.h"
#include "store/Erreur.h"
#include "store/TexteNombre.h"

namespace vantorelle {

const char* const RapportHTML::imagesLégende[11] = {"hi.gif", "bi.gif", "hs.gif", "bs.gif", "ns.gif", "ni.gif",
                                                    "po.gif", "ne.gif", "h.gif",  "b.gif",  "n.gif"};

namespace {

/// The sign pairs of the cells and the images that replace them, in the order they are replaced.
const std::pair<const char*, const char*> remplacementsLégende[] = {
    {"/<", "<img src=hi.gif>"}, {"\\<", "<img src=bi.gif>"}, {"/>", "<img src=hs.gif>"},
    {"\\>", "<img src=bs.gif>"}, {"=>", "<img src=ns.gif>"}, {"=<", "<img src=ni.gif>"},
    {"+", "<img src=po.gif>"},  {"-", "<img src=ne.gif>"},   {"(/", "(<img src=h.gif>"},
    {"(\\", "(<img src=b.gif>"}, {"(=", "(<img src=n.gif>"}};

/// Replaces every occurrence of `cherché`, left to right, without scanning the inserted text again.
std::string remplacer(std::string_view texte, std::string_view cherché, std::string_view remplacement) {
    std::string résultat;
    for (std::size_t début = 0;;) {
        std::size_t trouvé = texte.find(cherché, début);
        if (trouvé == std::string_view::npos) {
            résultat += texte.substr(début);
            return résultat;
        }
        résultat += texte.substr(début, trouvé - début);
        résultat += remplacement;
        début = trouvé + cherché.size();
    }
}

std::string avecImages(std::string_view cellule) {
    std::string texte(cellule);
    for (const auto& [signes, image] : remplacementsLégende) texte = remplacer(texte, signes, image);
    return texte;
}

std::string dateCourte(Jour d) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "%02d/%02d/%04d", d.jour(), d.mois(), d.année());
    return texte;
}

/// Characters `début` to `début + n - 1` (from 1), as far as the text goes.
std::string_view extrait(std::string_view texte, std::size_t début, std::size_t n) {
    if (début > texte.size()) return {};
    return texte.substr(début - 1, n);
}

std::string celluleDate(std::string_view clé, PériodeBougie période) {
    switch (période) {
        case PériodeBougie::Jour:
            return "<td>" + std::string(clé.size() >= 2 ? clé.substr(clé.size() - 2) : clé) + "/" +
                   std::string(extrait(clé, 5, 2)) + "/" + std::string(clé.substr(0, 4)) + "</td>";
        case PériodeBougie::Semaine:
            return "<td>" + std::string(extrait(clé, 5, 2)) + "/" + std::string(clé.substr(0, 4)) + "</td>";
        case PériodeBougie::Mois:
            break;
    }
    return "<td>" + std::string(clé.substr(0, 4)) + "</td>";
}

/// The statistics as percentages of the rows counted, halves to even; empty when no row was counted.
std::string pourcentage(const TableauDeBord& tableau, int r, int c) {
    if (tableau.NbLignes <= 0) return "";
    double p = static_cast<double>(tableau.Compteurs(r, c)) / tableau.NbLignes * 100;
    return texteDouble(arrondiPair(p)) + "<font size=1>%</font>";
}

void cellulesStatistiques(HTML& page, const TableauDeBord& tableau, int r) {
    // Which columns of each statistics row hold a value; the others are grey.
    static constexpr bool valeurs[6][10] = {
        {1, 1, 1, 0, 0, 0, 0, 0, 0, 0}, {1, 1, 0, 1, 1, 1, 0, 0, 0, 0}, {1, 1, 0, 1, 1, 1, 0, 0, 0, 0},
        {1, 1, 0, 1, 1, 1, 0, 0, 0, 0}, {1, 1, 0, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 0, 1, 1, 1, 1, 1, 1, 1}};
    for (int c = 1; c <= CompteursStat::colonnes; ++c) {
        if (valeurs[r - 1][c - 1]) {
            page.Ajouter("<td align='center'><font size='2'>" + pourcentage(tableau, r, c) + "</font></td>");
        } else {
            page.Ajouter("<td align='center' bgcolor='#C0C0C0'><font");
            page.Ajouter("size='2'></font>&nbsp;</td>");
        }
    }
}

}  // namespace

RapportHTML::RapportHTML(const Emplacements& emplacements, Traduction traduire, std::string_view siteImposé)
    : emplacements_(emplacements),
      ini_(emplacements, 1, std::string(TitreApplication)),
      traduire_(std::move(traduire)),
      site_(AdresseSite(emplacements, siteImposé)) {}

std::string RapportHTML::texteOptions(const ParamètresScan& p) const {
    std::string texte = tr(p.confirmation ? "figures confirmées" : "toutes les figures");
    texte += ", " + tr(p.avecTendance ? "figures dans la tendance" : "figures indépendantes de la tendance");
    texte += ", " + tr("période") + "=" + ini_.Value(SectionBourse, Clés::Période, "");
    texte += ", " + tr("période2") + "=" + ini_.Value(SectionBourse, Clés::Période2, "");
    double tolérance = paramètreNombre(ini_, SectionBourse, Clés::Tolérance);
    if (tolérance == 0) throw Erreur("Division par zéro : le paramètre Tolérance vaut 0.");
    texte += ", " + tr("tolérance") + "=1/" + texteDouble(std::trunc(1 / tolérance));
    texte += ", " + tr("coef grande bougie") + "=" + ini_.Value(SectionBourse, Clés::TailleMarubozu, "");
    // The weighting option has no start-up default: empty reads as the options dialog's default.
    if (paramètreBooléen(ini_, SectionBourse, Clés::Pondération, "1")) texte += ", " + tr("pondération");
    return texte;
}

bool RapportHTML::Écrire(const std::filesystem::path& fichier, const TableauDeBord& tableau,
                         const ParamètresScan& p) {
    if (p.groupe.empty()) return false;
    copierImages(fichier.parent_path());
    HTML page(fichier);
    try {
        const std::string titre(TitreApplication);
        const std::string& g = p.groupe;
        page.Titrer(titre + " " + tr("Groupe") + " " + g, créditProduit, "Figures en chandeliers du groupe " + g,
                    "Vantorelle, " + g + ", bourse, finance, analyse technique, chandeliers, figures");
        const char* bougie = p.période == PériodeBougie::Jour      ? "Bougie Jour"
                             : p.période == PériodeBougie::Semaine ? "Bougie Semaine"
                                                                   : "Bougie Mois";
        page.Ajouter("<h3>" + tr(bougie) + " ");
        if (p.du == p.au)
            page.Ajouter(" " + tr("au") + " " + dateCourte(p.du));
        else
            page.Ajouter(" " + tr("du") + " " + dateCourte(p.du) + " " + tr("au") + " " + dateCourte(p.au));
        page.Ajouter("</h3>");
        page.Ajouter("<h3>" + tr("Groupe") + " " + g + "</h3>");
        std::string options = texteOptions(p);
        page.Ajouter("<table bgcolor=#FFFFFF border=1>");
        std::string largeur = texteDouble(paramètreNombre(ini_, SectionChemins, Clés::AfficherDate) + 8);
        page.Ajouter("<tr><td colspan=" + largeur + " bgcolor=#FFAB57><strong>Options</strong> : " + options +
                     "</td></tr>");
        page.Ajouter("<tr><td colspan=" + largeur + " bgcolor=#FF8000><strong>" + tr("Statistiques") +
                     "</strong> : " + std::to_string(tableau.NbLignes) + " " + tr("figures"));

        page.Ajouter("<table border='1' cellpadding='0' cellspacing='0'>");
        page.Ajouter("<tr>");
        page.Ajouter("<td bgcolor='#800000'><font color='#FF8000'");
        page.Ajouter("size='2'><strong>" + tr("Courbe/Stat (en %)") + "</strong></font></td>");
        const std::string enTêtes[10] = {tr("Hausse"),          tr("Baisse"),          tr("Neutre"),
                                         tr("Tendance hausse"), tr("Tendance baisse"), tr("Tendance neutre"),
                                         "&gt;50%",             "&lt;50%",             "&gt;70%",
                                         "&lt;30%"};
        for (const std::string& enTête : enTêtes) {
            page.Ajouter("<td align='center' bgcolor='#800000'><font");
            page.Ajouter("color='#FFFFFF' size='2'><strong>" + enTête + "</strong></font></td>");
        }
        page.Ajouter("</tr>");
        const std::string libellés[6] = {tr("Chandelier"), tr("Clôture"), tr("Volatilité"), "Volume", "RSI", "Stoch"};
        for (int r = 1; r <= CompteursStat::lignes; ++r) {
            page.Ajouter("<tr>");
            page.Ajouter("<td bgcolor='#800000'><font color='#FFFFFF'");
            page.Ajouter("size='2'><strong>" + libellés[r - 1] + "</strong></font></td>");
            cellulesStatistiques(page, tableau, r);
            page.Ajouter("</tr>");
        }
        page.Ajouter("</table>");
        page.Ajouter("</td></tr>");

        page.Ajouter("<tr>");
        bool avecDate = paramètreBooléen(ini_, SectionChemins, Clés::AfficherDate);
        for (int j = avecDate ? 1 : 2; j <= TableauDeBord::nombreColonnes - 2; ++j)
            page.Ajouter("<td bgcolor=#800000><font color=#FFFFFF><strong>" + tableau.Définition(j - 1).titre +
                         "</strong></font></td>");
        page.Ajouter("</tr>");
        for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
            page.Ajouter("<tr>");
            if (avecDate) page.Ajouter(celluleDate(tableau.Texte(i, TableauDeBord::Date), p.période));
            for (int s = 1; s <= tableau.NombreSousÉléments(i) - 1; ++s) {
                std::string_view texte = tableau.Texte(i, s);
                if (texte.empty())
                    page.Ajouter("<td>&nbsp;</td>");
                else if (s == TableauDeBord::Nom)
                    page.Ajouter("<td><a target='vantorelle' href='" + std::string(adresseCotations) + "?s=" +
                                 std::string(tableau.Texte(i, TableauDeBord::Code)) +
                                 ".PA&d=c&k=c3&a=vm,r14,fs,m26-12-9&p=m20,m50&t=3m&l=on&z=m&q=c'>" +
                                 std::string(texte) + "</a></td>");
                else if (s >= TableauDeBord::Chandelier)
                    page.Ajouter("<td>" + avecImages(texte) + "</td>");
                else
                    page.Ajouter("<td>" + std::string(texte) + "</td>");
            }
            page.Ajouter("</tr>");
        }
        page.Ajouter("</table>");

        page.Ajouter("<p><font size='2'>" + tr("Figures extraites par le logiciel") + " <strong><a href='" + site_ +
                     "/index.php' target='vantorelle'>" + titre + " " + versionProgramme() + suffixeCrédit +
                     "</a></strong><br>");
        page.Ajouter(tr("La légende se trouve") + " <a href='" + site_ + "/html.php' target='vantorelle'>" +
                     tr("ici") + "</a><br>");
        page.Ajouter(tr("Un descriptif des figures se trouve") + " <a href='" + site_ +
                     "/figures.php' target='vantorelle'>" + tr("là") + "</a>");
        page.Ajouter("</font></p>");
    } catch (...) {
        // The page written so far is kept, as when the writer is released after an error.
        page.Fermer();
        throw;
    }
    page.Fermer();
    return true;
}

namespace {

std::optional<std::string> octetsDe(const std::filesystem::path& fichier) {
    std::ifstream flux(fichier, std::ios::binary);
    std::ostringstream octets;
    octets << flux.rdbuf();
    if (!flux) return std::nullopt;
    return octets.str();
}

}  // namespace

void RapportHTML::copierImages(const std::filesystem::path& dossierRapport) {
    avertissements_.clear();
    const std::filesystem::path destination = dossierRapport.empty() ? std::filesystem::path(".") : dossierRapport;
    for (const char* image : imagesLégende) {
        const std::filesystem::path source = emplacements_.FichierProgramme(image);
        std::error_code erreur;
        if (std::filesystem::equivalent(source, destination / image, erreur)) continue;
        const std::optional<std::string> octets = octetsDe(source);
        if (!octets) throw ErreurFichier(source.string() + " : image de la légende illisible.");
        const std::filesystem::path copie = destination / image;
        if (!std::filesystem::exists(copie, erreur)) {
            écrireAtomiquement(copie, *octets);
        } else if (octetsDe(copie) != octets) {
            avertissements_.push_back(
                {copie.string(), 0, "un fichier de ce nom, qui n'est pas l'image de la légende, est gardé tel quel"});
        }
    }
}

}  // namespace vantorelle
