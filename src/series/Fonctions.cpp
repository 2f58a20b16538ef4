#include "series/Fonctions.h"

#include <algorithm>

#include "store/Erreur.h"
#include "store/Fichier.h"

namespace vantorelle {

namespace {

std::string messageDeChargement(const std::filesystem::path& chemin, std::int32_t ligne, const std::string& raison) {
    return chemin.string() + " : ligne " + std::to_string(ligne) + " : " + raison;
}

}  // namespace

const std::vector<std::string>& Fonctions::nomsPubliés() {
    static const std::vector<std::string> noms = {"Date",   "Nom",         "Maximum",    "Minimum",
                                                  "Clôture", "Volume",     "Chandeliers", "Pondération"};
    return noms;
}

Fonction& Fonctions::Add(std::unique_ptr<Fonction> fonction, std::string clé) {
    Fonction* f = fonction.get();
    return ajouter({std::move(clé), f, std::move(fonction)});
}

Fonction& Fonctions::Add(Fonction& fonction, std::string clé) { return ajouter({std::move(clé), &fonction, nullptr}); }

Fonction& Fonctions::ajouter(Membre membre) {
    if (position(membre.clé) != 0) throw Erreur("Cette clé est déjà associée à un élément de cette collection.");
    membres_.push_back(std::move(membre));
    return *membres_.back().fonction;
}

std::int32_t Fonctions::position(std::string_view clé) const {
    for (std::size_t k = 0; k < membres_.size(); ++k)
        if (membres_[k].clé == clé) return static_cast<std::int32_t>(k + 1);
    return 0;
}

Fonction& Fonctions::Item(std::int32_t i) const {
    if (i < 1 || i > Count()) throw ErreurIndice();
    return *membres_[static_cast<std::size_t>(i - 1)].fonction;
}

Fonction& Fonctions::Item(std::string_view clé) const { return Item(position(clé)); }

void Fonctions::Remove(std::int32_t i) {
    if (i < 1 || i > Count()) return;
    membres_.erase(membres_.begin() + (i - 1));
}

void Fonctions::Remove(std::string_view clé) { Remove(position(clé)); }

std::string Fonctions::ValeurCst(std::string_view texte) {
    const auto égal = texte.find('=');
    return égal == std::string_view::npos ? std::string() : std::string(texte.substr(égal + 1));
}

std::string Fonctions::NomCst(std::string_view texte) {
    const auto égal = texte.find('=');
    return égal == std::string_view::npos ? std::string() : std::string(texte.substr(0, égal));
}

void Fonctions::Charger(const std::filesystem::path& chemin) {
    vider();
    Fichier fichier(chemin.string());
    fichier.LireUtf8SansMarque(true);
    fichier.Charger(0, 0, false);
    const Arr<std::string>& lignes = fichier.Data();
    Fonctions chargées;
    for (std::int32_t i = 1; i <= lignes.Count(); ++i) {
        const std::string& ligne = lignes.Item(i);
        std::string nom = NomCst(ligne);
        if (ligne.find('=') == std::string::npos)
            throw ErreurFichier(messageDeChargement(chemin, i, "pas de signe \"=\" entre le nom et la formule"));
        if (nom.empty()) throw ErreurFichier(messageDeChargement(chemin, i, "la formule n'a pas de nom"));
        const auto& publiés = nomsPubliés();
        if (std::find(publiés.begin(), publiés.end(), nom) != publiés.end())
            throw ErreurFichier(messageDeChargement(chemin, i, "\"" + nom + "\" est le nom d'une série de cours"));
        if (const std::int32_t déjà = chargées.position(nom); déjà != 0)
            throw ErreurFichier(messageDeChargement(
                chemin, i, "la formule \"" + nom + "\" est déjà définie à la ligne " + std::to_string(déjà)));
        auto formule = std::make_unique<Fonction>();
        formule->Nom(nom);
        formule->Formule(ValeurCst(ligne));
        chargées.Add(std::move(formule), std::move(nom));
    }
    *this = std::move(chargées);
}

void Fonction::AjouterACollection(Fonctions& collection) { collection.Add(*this, Nom()); }

void Fonction::SupprimerDeCollection(Fonctions& collection) { collection.Remove(Nom()); }

}  // namespace vantorelle
