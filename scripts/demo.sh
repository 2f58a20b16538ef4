#!/usr/bin/env bash
# The demo: a base of fictional securities under the user's data directory (made once), a confirmed daily
# scan of its last year with the sample formulas, the HTML report, and the desktop program when it can run.
#   scripts/demo.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
cli="$build/src/cli/vantorelle-cli"

programme=${VANTORELLE_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/Vantorelle}
demo="$programme/demo"
reglages="$demo/Vantorelle.ini"

if ! ls "$demo"/base/histo/*_FR0000130007.txt >/dev/null 2>&1; then
  echo "Création de la base de démonstration dans $demo"
  "$cli" demo "$demo"
fi

# The last year of quotes, up to the last quote of the reference security.
au=$(tail -n 1 "$demo"/base/histo/*_FR0000130007.txt | cut -f1)
du=$(date -d "$au -1 year +1 day" +%Y%m%d)

echo "Balayage du groupe All du $du au $au : figures confirmées, avec les formules de $demo/Formules.txt"
"$cli" --config "$reglages" scan --groupe All --du "$du" --au "$au" --confirmation \
  --formules "$demo/Formules.txt" --html "$demo/HTML.HTML" > "$demo/tableau.tsv"

lignes=$(($(wc -l < "$demo/tableau.tsv") - 1))
echo
echo "Les $((lignes < 10 ? lignes : 10)) premières lignes des $lignes du tableau de bord ($demo/tableau.tsv) :"
aligner() { if command -v column >/dev/null; then column -t -s $'\t'; else cat; fi; }
head -n 11 "$demo/tableau.tsv" | cut -f1-4,10,11 | aligner
echo
echo "Rapport HTML : $demo/HTML.HTML"

# The desktop program, when it was built and there is a display to show it on.
bureau="$build/src/gui/vantorelle"
if [ -x "$bureau" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  echo "Lancement du programme sur la base de démonstration"
  VANTORELLE_CONFIG="$reglages" nohup "$bureau" >/dev/null 2>&1 &
fi
