#include "analysis/BourseCollection.h"

#include "analysis/Catalogue.h"

namespace vantorelle {

namespace {

Fonction nommée(const char* nom) {
    Fonction f;
    f.Nom(nom);
    return f;
}

}  // namespace

BourseCollection::BourseCollection()
    : Date(nommée("Date")),
      Ouverture(nommée("Nom")),
      Maximum(nommée("Maximum")),
      Minimum(nommée("Minimum")),
      Clôture(nommée("Clôture")),
      Volume(nommée("Volume")),
      Chandeliers(nommée("Chandeliers")),
      Pondération(nommée("Pondération")),
      Tendance(nommée("Tendance")),
      Options(OptionsAnalyse::parDéfaut()) {}

void BourseCollection::Ajouter(const std::string& date, float ouverture, float maximum, float minimum,
                               float clôture, Monnaie volume) {
    ++Nombre;
    Date.Item(Nombre, date);
    Ouverture.Item(Nombre, ouverture);
    Maximum.Item(Nombre, maximum);
    Minimum.Item(Nombre, minimum);
    Clôture.Item(Nombre, clôture);
    Volume.Item(Nombre, volume);
}

void BourseCollection::Allouer(std::int32_t n) {
    for (Fonction* f : {&Date, &Ouverture, &Maximum, &Minimum, &Clôture, &Volume, &Chandeliers, &Pondération})
        f->Allouer(n);
}

void BourseCollection::réparer(float& o, float& h, float& l, float& c) {
    if (o <= 0) o = c;
    if (c <= 0) c = o;
    if (l <= 0) l = o;
    if (h <= 0) h = c;
    if (o <= 0) o = c = h = l = 1.0f;
}

void BourseCollection::Corriger() {
    const std::int32_t n = bougies().n;
    for (std::int32_t i = 1; i <= n; ++i) {
        float& o = prix_.o[i];
        float& h = prix_.h[i];
        float& l = prix_.l[i];
        float& c = prix_.c[i];
        const Prix avant{o, h, l, c};
        réparer(o, h, l, c);
        // Only repaired values are written, so a sound history keeps its series untouched.
        if (o != avant.o) Ouverture.Item(i, o);
        if (h != avant.h) Maximum.Item(i, h);
        if (l != avant.l) Minimum.Item(i, l);
        if (c != avant.c) Clôture.Item(i, c);
    }
    marquerPrixÀJour();
    // A candle the copies could not take (outside a series' storage) fails as reading it does.
    if (n < Nombre) prixHorsBougies(n + 1);
}

Jour BourseCollection::ToDate(std::string_view texte) { return Jour::deClé(texte); }

std::string BourseCollection::ToString() const {
    std::string texte = "Code : \t\t" + Code + "\r\nNom : \t\t" + Nom + "\r\n";
    const std::pair<const char*, const Fonction*> lignes[] = {
        {"Date : ", &Date},         {"Ouverture : ", &Ouverture}, {"Maximum : ", &Maximum},
        {"Minimum : ", &Minimum}, {"Clôture : ", &Clôture},     {"Volume : ", &Volume},
    };
    for (std::int32_t i = 1; i <= Nombre; ++i) {
        for (const auto& [libellé, série] : lignes) {
            texte += libellé;
            texte += "\t\t";
            texte += série->Item(i).texte();
            texte += "\r\n";
        }
    }
    return texte;
}

}  // namespace vantorelle
