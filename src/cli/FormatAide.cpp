#include "cli/FormatAide.h"

namespace vantorelle::cli {

namespace {

/// The characters a terminal shows for UTF-8 text: its bytes less the continuation bytes.
std::size_t largeur(const std::string& texte) {
    std::size_t caractères = 0;
    for (const char octet : texte) caractères += (static_cast<unsigned char>(octet) & 0xC0) != 0x80;
    return caractères;
}

}  // namespace

FormatAide::FormatAide() {
    // Every caption CLI11 writes, options' kinds included.
    label("Usage", "Utilisation");
    label("SUBCOMMAND", "COMMANDE");
    label("SUBCOMMANDS", "COMMANDES");
    label("Positionals", "Arguments");
    label("REQUIRED", "OBLIGATOIRE");
    label("Env", "Variable");
    label("Needs", "Demande");
    label("Excludes", "Exclut");
    label("TEXT", "TEXTE");
    label("INT", "ENTIER");
    label("FLOAT", "NOMBRE");
}

std::string FormatAide::make_option(const CLI::Option* option, bool positionnel) const {
    return ligne(make_option_name(option, positionnel) + make_option_opts(option), make_option_desc(option));
}

std::string FormatAide::make_subcommand(const CLI::App* commande) const {
    return ligne(commande->get_display_name(true), commande->get_description());
}

std::string FormatAide::ligne(const std::string& nom, const std::string& description) const {
    const std::string marge(column_width_, ' ');
    std::string texte = "  " + nom;
    if (!description.empty()) {
        const std::size_t occupé = largeur(texte);
        texte += occupé < column_width_ ? std::string(column_width_ - occupé, ' ') : "\n" + marge;
        for (const char c : description) {
            texte += c;
            if (c == '\n') texte += marge;
        }
    }
    return texte + "\n";
}

}  // namespace vantorelle::cli
