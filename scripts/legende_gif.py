#!/usr/bin/env python3
"""Draws the eleven legend images of the HTML report into data/ (12 x 12 GIFs with a transparent ground).

Trend arrows: green up (rising), red down (falling), grey right (no trend). A black bar stands for the moving
average: under the arrow when the value is at or above it ("s"), over it when the value is below ("i").
"""
import pathlib
import sys

PALETTE = [(255, 255, 255), (0, 0, 0), (0, 128, 0), (192, 0, 0), (112, 112, 112), (255, 255, 255),
           (255, 255, 255), (255, 255, 255)]
COULEURS = {'.': 0, '#': 1, 'v': 2, 'r': 3, 'g': 4}

HAUT = [
    "............",
    ".....xx.....",
    "....xxxx....",
    "...xxxxxx...",
    "..xxxxxxxx..",
    ".....xx.....",
    ".....xx.....",
    ".....xx.....",
    ".....xx.....",
    "............",
    "............",
    "............",
]
BAS = list(reversed(HAUT[:10])) + HAUT[10:]
PLAT = [
    "............",
    "............",
    "............",
    "......x.....",
    "......xx....",
    ".xxxxxxxx...",
    ".xxxxxxxx...",
    "......xx....",
    "......x.....",
    "............",
    "............",
    "............",
]
PLUS = [
    "............",
    "............",
    ".....xx.....",
    ".....xx.....",
    ".....xx.....",
    "..xxxxxxxx..",
    "..xxxxxxxx..",
    ".....xx.....",
    ".....xx.....",
    ".....xx.....",
    "............",
    "............",
]
MOINS = ["............"] * 5 + ["..xxxxxxxx..", "..xxxxxxxx.."] + ["............"] * 5


def coloré(motif, couleur):
    return [ligne.replace('x', couleur) for ligne in motif]


def barre(motif, dessous):
    """The arrow moved away from the bar, with the bar under it or over it."""
    lignes = motif[1:10] if dessous else motif[0:9]
    trait = "############"
    return (["............"] + lignes + ["............", trait] if dessous
            else [trait, "............"] + lignes + ["............"])[:12]


def lzw(pixels, taille_min):
    effacer, fin = 1 << taille_min, (1 << taille_min) + 1
    table = {(i,): i for i in range(effacer)}
    suivant, largeur = fin + 1, taille_min + 1
    codes = [(effacer, largeur)]
    courant = ()
    for p in pixels:
        candidat = courant + (p,)
        if candidat in table:
            courant = candidat
            continue
        codes.append((table[courant], largeur))
        if suivant < 4096:
            table[candidat] = suivant
            suivant += 1
            if suivant > (1 << largeur) and largeur < 12:
                largeur += 1
        courant = (p,)
    codes.append((table[courant], largeur))
    codes.append((fin, largeur))
    octets, accu, nbits = bytearray(), 0, 0
    for code, l in codes:
        accu |= code << nbits
        nbits += l
        while nbits >= 8:
            octets.append(accu & 0xFF)
            accu >>= 8
            nbits -= 8
    if nbits:
        octets.append(accu)
    return bytes(octets)


def gif(motif):
    hauteur, largeur = len(motif), len(motif[0])
    pixels = [COULEURS[c] for ligne in motif for c in ligne]
    données = bytearray(b"GIF89a")
    données += largeur.to_bytes(2, 'little') + hauteur.to_bytes(2, 'little') + bytes([0xF2, 0, 0])
    for r, v, b in PALETTE:
        données += bytes([r, v, b])
    données += bytes([0x21, 0xF9, 4, 1, 0, 0, 0, 0])  # colour 0 is transparent
    données += b"," + bytes(4) + largeur.to_bytes(2, 'little') + hauteur.to_bytes(2, 'little') + b"\x00"
    compressé = lzw(pixels, 3)
    données += bytes([3])
    for début in range(0, len(compressé), 255):
        bloc = compressé[début:début + 255]
        données += bytes([len(bloc)]) + bloc
    données += b"\x00;"
    return bytes(données)


IMAGES = {
    "hi": barre(coloré(HAUT, 'v'), dessous=False),
    "bi": barre(coloré(BAS, 'r'), dessous=False),
    "hs": barre(coloré(HAUT, 'v'), dessous=True),
    "bs": barre(coloré(BAS, 'r'), dessous=True),
    "ns": barre(coloré(PLAT, 'g'), dessous=True),
    "ni": barre(coloré(PLAT, 'g'), dessous=False),
    "po": coloré(PLUS, 'v'),
    "ne": coloré(MOINS, 'r'),
    "h": coloré(HAUT, 'v'),
    "b": coloré(BAS, 'r'),
    "n": coloré(PLAT, 'g'),
}

if __name__ == "__main__":
    dossier = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "data")
    for nom, motif in IMAGES.items():
        assert len(motif) == 12 and all(len(l) == 12 for l in motif), nom
        (dossier / f"{nom}.gif").write_bytes(gif(motif))
