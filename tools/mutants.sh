#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants each fault below, one at a time, in a scratch copy of the tree, builds what it touches and runs the
# suite; a fault the suite does not notice "survives". Prints the survivors and the kill rate, and exits 1
# when a fault survives. Slow (a build and a suite run per fault): run it by hand, not in CI.
#
#   nice -n 10 tools/mutants.sh [REGEX]       only the faults whose line matches REGEX (grep -E)
#   tools/mutants.sh --check                  whether every fault can still be planted (no build)
#
# The scratch copy and its build stay in $TESSALINE_MUTANTS_DIR (default /tmp/tessaline-mutants), so a
# second run only rebuilds what changed; ccache, when installed, makes the rebuilds cheap. The packaging
# tests are left out: they check the install, which no fault below touches.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
scratch=${TESSALINE_MUTANTS_DIR:-${TMPDIR:-/tmp}/tessaline-mutants}
build=$scratch/build/mutants # the same depth as build/<preset>, so ccache finds the worktree's objects
pattern=${1:-}

# One fault a line: FILE ==> TEXT ==> REPLACEMENT. TEXT must occur exactly once in FILE.
faults() {
    cat <<'EOF'
# ephemeris: the day count, the angles' quadrant rules, the Moon's series, the planets, the calendar
ephemeris/JulianDay.cpp ==> 2 * mMod12 + 7 ==> 2 * mMod12 + 5
ephemeris/JulianDay.cpp ==> if (j >= 2299171) ==> if (j > 2299171)
ephemeris/Angles.cpp ==> if (std::cos(RAMC) < 0.0) ==> if (false)
ephemeris/Angles.cpp ==> if (A < 0.0) ==> if (false)
ephemeris/Angles.cpp ==> if (std::sin(RAMC) < 0.0) ==> if (std::sin(RAMC) > 0.0)
ephemeris/Angles.cpp ==> - (std::sin(epsilon) * std::tan(phi)) ==> + (std::sin(epsilon) * std::tan(phi))
ephemeris/Moon.cpp ==> const double E = 1.0 - 0.002516 * T ==> const double E = 1.0 + 0.002516 * T
ephemeris/Moon.cpp ==> {  0.058793,    2,  0, -2,  0, false}, ==> {  0.058793,    2,  0,  2,  0, false},
ephemeris/Planets.cpp ==> ArcTan2(Y, X) * (180.0 / kPi) + PrecessionSinceJ2000(d) ==> ArcTan2(Y, X) * (180.0 / kPi) - PrecessionSinceJ2000(d)
ephemeris/Planets.cpp ==> + D - 730531.5 ==> + D - 730530.5
ephemeris/LunarNodes.cpp ==> N * (180.0 / 3.1416) - 1.0 ==> N * kDegreesPerRadian - 1.0
ephemeris/CivilTime.cpp ==> (minutes >= 0 ? minutes : minutes - 1439) / 1440 ==> minutes / 1440
# chart: daylight saving, the date checks, truncation, the zone table, the range checks
chart/ChartState.cpp ==> standard.seconds + (daylightSaving ? 3600 : 0) ==> standard.seconds - (daylightSaving ? 3600 : 0)
chart/BirthData.cpp ==> year % 4 == 0; ==> year % 4 == 0 && year % 100 != 0;
chart/BirthData.cpp ==> || monthPosition == 8 ==> || monthPosition == 7
chart/BirthData.cpp ==> *value > range.maximum ==> *value >= range.maximum
chart/PositionText.cpp ==> const double S = std::floor(60.0 * (m - M)); ==> const double S = std::round(60.0 * (m - M));
chart/ZoneTable.cpp ==> {"Indian Time", "IST", -5, -30, kSpaced, "+5.3"} ==> {"Indian Time", "IST", -5, 30, kSpaced, "+5.3"}
# decanates: the decanate edges, a text, the margin window and its search, the stored record
decanates/DecanateAssignment.cpp ==> if (wholeDegrees < 20) ==> if (wholeDegrees <= 20)
decanates/DecanateTable.cpp ==> Now your own judgement ==> Now your own judgment
decanates/BirthTimeMargins.h ==> kMarginWindowMinutes = 180; ==> kMarginWindowMinutes = 120;
decanates/BirthTimeMargins.cpp ==> 2.5, // Moon ==> 0.5, // Moon
decanates/BirthTimeMargins.cpp ==> held(*margin.changesBefore, 1) ==> held(*margin.changesBefore, 0)
decanates/CalculationDriver.cpp ==> record.isSouth = Flag(form.isSouth); ==> record.isSouth = Flag(form.isEast);
# report: the birth date, the offset, the hemisphere, the texts' places
chart/PositionText.cpp ==> kMonthNames[static_cast<std::size_t>(at.month - 1)] ==> kMonthNames[static_cast<std::size_t>(at.month % 12)]
report/ChartLines.cpp ==> at.isSouth ? 'S' : 'N' ==> at.isSouth ? 'N' : 'S'
decanates/DecanateFields.h ==> return row.KarmicInfluence; ==> return row.MoreAboutDecanateSign;
# cli: arguments, JSON escaping, exit codes, the byte-order mark
chart/BirthArguments.cpp ==> form.isSouth = !lat->positiveSide; ==> form.isSouth = lat->positiveSide;
chart/BirthArguments.cpp ==> (*time)[0] > 23 ==> (*time)[0] > 24
chart/BirthArguments.cpp ==> year > kLastYear ==> year >= kLastYear
base/JsonText.cpp ==> if (c >= 0x20 && c != '"' && c != '\\') { ==> if (c >= 0x20 && c != '"') {
cli/BatchRun.cpp ==> return rowsRejected > 0 ? kExitRejected : kExitOk; ==> return kExitOk;
chart/Csv.cpp ==> undecoded_.erase(0, 3); ==> undecoded_.erase(0, 2);
report/ChartJson.cpp ==> brief ? kShortDecanateFieldCount : ==> brief ? kShortDecanateFieldCount + 1 :
base/CsvText.cpp ==> looksLikeFormula && !signedNumber ? ==> looksLikeFormula && signedNumber ?
report/ChartCsv.cpp ==> out.append(kCsvColumnCount - 1 - inputs.size(), ','); ==> out.append(kCsvColumnCount - inputs.size(), ',');
# desktop: the form, the start-up guard and reminder, the key filter, saving, the menus
desktop/frmMain.cpp ==> form.isSouth = optLat[1]->isChecked(); ==> form.isSouth = optLat[0]->isChecked();
desktop/frmMain.cpp ==> cmbTimeZone->setCurrentIndex(kGreenwichZonePosition); ==> cmbTimeZone->setCurrentIndex(0);
desktop/StartupChecks.cpp ==> lock_.setStaleLockTime(0); ==> lock_.setStaleLockTime(30000);
desktop/StartupChecks.cpp ==> days >= -kReminderIntervalDays && days <= kReminderIntervalDays ==> days <= kReminderIntervalDays
desktop/FilteredLineEdit.cpp ==> if (event->matches(QKeySequence::Paste)) { ==> if (false) {
desktop/FilteredLineEdit.cpp ==> if (ownEdits_ > 0 || !filter_) { ==> if (true) {
desktop/TabPanel.cpp ==> each == tab ? Qt::StrongFocus : Qt::ClickFocus ==> Qt::StrongFocus
desktop/AccessibleControls.cpp ==> (t == QAccessible::Name && list()->accessibleName().isEmpty()) ==> t == QAccessible::Name
chart/BirthData.cpp ==> continue; // accents and vowel signs ==> return std::nullopt; // accents and vowel signs
desktop/ReadingExport.cpp ==> || !file.commit()) ==> )
desktop/modHelp.cpp ==> &QAction::triggered, bar, &OpenDonationPage); ==> &QAction::triggered, bar, &OpenHomePage);
EOF
}

# TEXT replaced by REPLACEMENT in FILE, both taken literally; fails unless TEXT occurs exactly once.
plant() {
    local file=$1 text=$2 replacement=$3 content rest
    content=$(<"$file") || return 1
    rest=${content//"$text"/}
    if (((${#content} - ${#rest}) != ${#text})); then
        echo "not exactly once in $file: $text" >&2
        return 1
    fi
    printf '%s\n' "${content/"$text"/"$replacement"}" >"$file"
}

if [[ $pattern == --check ]]; then # only whether every fault can still be planted, without building
    status=0
    probe=$(mktemp)
    while IFS= read -r line; do
        rest=${line#* ==> }
        cp "$top/${line%% ==> *}" "$probe" && plant "$probe" "${rest%% ==> *}" "${rest#* ==> }" || status=1
    done < <(faults | grep -v '^#')
    rm -f "$probe"
    exit $status
fi
mapfile -t lines < <(faults | grep -v "^#" | grep -E -- "$pattern")
((${#lines[@]} > 0)) || { echo "no fault matches \"$pattern\"" >&2; exit 2; }

# A fresh copy of the tree, file times kept so that the build only redoes what differs.
mkdir -p "$scratch"
find "$scratch" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
tar -C "$top" --exclude=./build --exclude=./.git -cf - . | tar -C "$scratch" -xf -
# A file a previous run left planted was built after the copy's own time: make it newer still.
for line in "${lines[@]}"; do touch "$scratch/${line%% ==> *}"; done

export CCACHE_BASEDIR=$scratch
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
log=$scratch/mutants.log
: >"$log"
build_tree() { cmake --build "$build" -j2 >>"$log" 2>&1; }
run_suite() {
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j2 -LE packaging --stop-on-failure --timeout 120 >>"$log" 2>&1)
}

echo "scratch copy: $scratch (log: $log)"
cmake -S "$scratch" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DTESSALINE_BENCHMARKS=OFF \
    "${launcher[@]}" >>"$log" 2>&1 || { echo "configuring failed" >&2; exit 2; }
build_tree || { echo "the unplanted tree does not build" >&2; exit 2; }
run_suite || { echo "the suite fails without any fault planted" >&2; exit 2; }

killed=0
survivors=()
unplanted=()
for line in "${lines[@]}"; do
    file=${line%% ==> *}
    rest=${line#* ==> }
    text=${rest%% ==> *}
    replacement=${rest#* ==> }
    echo "=== $line" >>"$log"
    if ! plant "$scratch/$file" "$text" "$replacement" 2>>"$log"; then
        unplanted+=("$line")
        echo "  not planted: $line"
        continue
    fi
    if ! build_tree; then
        unplanted+=("$line")
        echo "  does not build: $line"
    elif run_suite; then
        survivors+=("$line")
        echo "  SURVIVED: $line"
    else
        killed=$((killed + 1))
        echo "  killed: $file: $text"
    fi
    cp "$top/$file" "$scratch/$file" # a new file time: the next build puts the original back
done
build_tree || true

planted=$((killed + ${#survivors[@]}))
echo
echo "Killed $killed of $planted planted faults ($((planted > 0 ? 100 * killed / planted : 0))%)."
for line in "${survivors[@]}"; do echo "survived: $line"; done
for line in "${unplanted[@]}"; do echo "not run (not planted or does not build): $line"; done
((${#survivors[@]} == 0 && ${#unplanted[@]} == 0))
