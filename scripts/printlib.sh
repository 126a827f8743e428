# Test printer for the Wine print tests, sourced by run-tests.sh: a CUPS queue of this run
# ("OrdivoTest" and the shell's pid, so parallel runs keep their own) that writes PDFs (cups-pdf) into build/print-out, on an A4 page with unprintable borders
# so that the print dialog has real minimum margins.
# cupsd is started here unless one already runs, and only the one started here is stopped.

ORDIVO_CUPSD_PID=""
ORDIVO_PRINT_QUEUE=OrdivoTest$$

# lpstat -r exits 0 either way; only its text tells.
cups_up() { LC_ALL=C lpstat -r 2>/dev/null | grep -q "scheduler is running"; }

# Sets LPDEST and ORDIVO_PRINT_OUT; returns 1 (after saying why) when no queue can be had.
print_start() {
  local root=$1 out="$1/build/print-out" ppd="$1/build/print-out.ppd"
  for tool in cupsd lpadmin lpstat gs pdftotext; do
    command -v "$tool" >/dev/null || { echo "print tests skipped: $tool is not installed"; return 1; }
  done
  [ -f /usr/lib/cups/backend/cups-pdf ] || { echo "print tests skipped: no cups-pdf backend"; return 1; }
  if ! cups_up; then
    cupsd -f >/dev/null 2>&1 &
    ORDIVO_CUPSD_PID=$!
    local i
    for i in $(seq 50); do cups_up && break; sleep 0.2; done
    cups_up || { echo "print tests skipped: cupsd did not start"; print_stop; return 1; }
  fi
  rm -rf "$out" && mkdir -p "$out" && chmod 777 "$out"
  # A4 (595 x 842 pt) printable from 18 pt left and 24 pt bottom to 571 and 818 pt.
  sed 's|^\*ImageableArea A4/.*|*ImageableArea A4/A4: "18 24 571 818"|' \
    /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$ppd"
  # cups-pdf reads cups-pdf-<queue>.conf for a URI naming the queue.
  printf 'Out %s\nLabel 0\n' "$out" >"/etc/cups/cups-pdf-$ORDIVO_PRINT_QUEUE.conf" 2>/dev/null &&
    lpadmin -p "$ORDIVO_PRINT_QUEUE" -v "cups-pdf:/$ORDIVO_PRINT_QUEUE" -E -P "$ppd" 2>/dev/null ||
    { echo "print tests skipped: the queue cannot be created (not root?)"; print_stop; return 1; }
  # Wine takes its default printer from the CUPS default, which LPDEST names.
  export LPDEST=$ORDIVO_PRINT_QUEUE ORDIVO_PRINT_OUT=$out
}

# Removes the queue and stops the cupsd started here.
print_stop() {
  lpadmin -x "$ORDIVO_PRINT_QUEUE" 2>/dev/null || true
  rm -f "/etc/cups/cups-pdf-$ORDIVO_PRINT_QUEUE.conf"
  if [ -n "$ORDIVO_CUPSD_PID" ]; then
    kill "$ORDIVO_CUPSD_PID" 2>/dev/null || true
    wait "$ORDIVO_CUPSD_PID" 2>/dev/null || true
    ORDIVO_CUPSD_PID=""
  fi
}

# Turns each printed PDF into PNG pages in build/screenshots and checks the texts each kind
# must show. Prints one line per check; sets print_passed and print_failed.
print_check_pages() {
  local root=$1 out="$1/build/print-out" shots="$1/build/screenshots"
  print_passed=0; print_failed=0
  mkdir -p "$shots"
  local checks=(
    "druck-tag|Do 3. Dezember 2026|Zahnarzt|Besprechung"
    "druck-woche|November/Dezember|Nikolaus|10:30 Zahnarzt"
    "druck-zweispaltig|November/Dezember|Donnerstag|Nikolaus"
    "druck-monat|Dezember 2026|Mo|49.|Nikolaus"
    "druck-liste|3.12.2026 Do|Zahnarzt|Bonusheft mitbringen|Bescherung"
    "druck-adressen|Adresse:|Zahnarztpraxis Dr. Müller,|Lange Straße 12"
  )
  local c name pdf text expected
  for c in "${checks[@]}"; do
    IFS='|' read -r name expected <<<"$c"
    pdf=$(ls "$out"/"$name"*.pdf 2>/dev/null | head -1)
    if [ -z "$pdf" ]; then
      echo "   FAILED $name: no PDF"; print_failed=$((print_failed + 1)); continue
    fi
    gs -q -dNOPAUSE -dBATCH -sDEVICE=png16m -r50 -sOutputFile="$shots/$name-%d.png" "$pdf" >/dev/null 2>&1
    text=$(pdftotext -layout "$pdf" - 2>/dev/null | tr -s ' ')
    local missing=() e
    IFS='|' read -ra wanted <<<"$expected"
    for e in "${wanted[@]}"; do grep -qF -- "$e" <<<"$text" || missing+=("$e"); done
    if [ ${#missing[@]} -eq 0 ]; then
      echo "   ok $name"; print_passed=$((print_passed + 1))
    else
      echo "   FAILED $name: missing ${missing[*]}"; print_failed=$((print_failed + 1))
    fi
  done
}
