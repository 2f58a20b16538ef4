#!/usr/bin/env bash
# Compares the results of two builds byte for byte: the demo base and a generated market of 500 securities
# over 25 years, scanned by day, week and month, with and without formulas and confirmation. Standard
# output, the group file "Vantorelle" and the HTML report of each scan must be the same; standard error may differ.
#   scripts/compare_builds.sh OLD_BUILD NEW_BUILD [WORK_DIR]
set -euo pipefail
old=${1:?usage: $0 OLD_BUILD NEW_BUILD [WORK_DIR]}
new=${2:?usage: $0 OLD_BUILD NEW_BUILD [WORK_DIR]}
work=${3:-$(mktemp -d)}
cli() { echo "$1/src/cli/vantorelle-cli"; }

# The bases are data: the newer program writes them once, and both programs scan the same bytes.
[ -f "$work/demo/complet" ] || { "$(cli "$new")" demo "$work/demo" && touch "$work/demo/complet"; }
[ -f "$work/marche/complet" ] ||
  { "$(cli "$new")" demo "$work/marche" --valeurs 500 --annees 25 && touch "$work/marche/complet"; }
printf '%s\r\n' \
  $'Hausse3=Cl\xF4ture>Cl\xF4ture[-1] And Cl\xF4ture[-1]>Cl\xF4ture[-2] And Cl\xF4ture[-2]>Cl\xF4ture[-3]' \
  $'Rebond=Cl\xF4ture>Cl\xF4ture[-1] And Cl\xF4ture[-1]<Cl\xF4ture[-2]' \
  $'Cassure=Cl\xF4ture>Maximum[-1] And Volume>Volume[-1]' \
  $'Chute=Cl\xF4ture<Minimum[-1] And Volume>2*Volume[-1]' \
  'Ecart=(Maximum-Minimum)/Cl'$'\xF4''ture>0.05' \
  'Gap=Minimum>Maximum[-1]' \
  'Trou=Maximum<Minimum[-1]' \
  $'FigureForte=Pond\xE9ration>=3' \
  'Avalement=Chandeliers=214 Or Chandeliers=114' \
  'Indecision=Chandeliers>=300 And Chandeliers<400 And Volume>Volume[-5]' > "$work/Formules10.txt"

differences=0 scans=0
scan() {  # scan BUILD BASE OUT ARGS...
  local build=$1 base=$2 out=$3; shift 3
  mkdir -p "$out"
  "$(cli "$build")" --config "$base/Vantorelle.ini" scan --groupe All --html "$out/rapport.html" "$@" \
    > "$out/sortie.tsv" 2> "$out/erreurs.txt" || echo "exit $?" >> "$out/erreurs.txt"
  cp "$base/base/groupe/Vantorelle.txt" "$out/groupe.txt"
}
for base in demo marche; do
  for periode in jour semaine mois; do
    for formules in sans avec; do
      for confirmation in sans avec; do
        args=(--periode "$periode" --du 20000101 --au 20241231)
        [ "$base" = demo ] && args=(--periode "$periode" --du 20240101 --au 20241231)
        [ "$formules" = avec ] && args+=(--formules "$work/Formules10.txt")
        [ "$confirmation" = avec ] && args+=(--confirmation)
        name="$base-$periode-formules_$formules-confirmation_$confirmation"
        scan "$old" "$work/$base" "$work/old/$name" "${args[@]}"
        scan "$new" "$work/$base" "$work/new/$name" "${args[@]}"
        scans=$((scans + 1))
        # Standard error may tell more (warnings); the results are the rows, the group and the report.
        if diff -rq --exclude=erreurs.txt "$work/old/$name" "$work/new/$name" >/dev/null; then
          echo "same       $name ($(($(wc -l < "$work/new/$name/sortie.tsv") - 1)) rows)"
        else
          echo "DIFFERENT  $name"; diff -rq --exclude=erreurs.txt "$work/old/$name" "$work/new/$name" || true
          differences=$((differences + 1))
        fi
      done
    done
  done
done
echo "$scans scans, $differences different ($work)"
[ "$differences" -eq 0 ]
