#!/usr/bin/env python3
"""Plants realistic faults in a scratch copy of the tree, one at a time, and counts how many the
test suite catches.

    scripts/plant-faults.py [--ref REF] [--tests-from REF] [--only N,...] [--scratch DIR] [--keep]
    scripts/plant-faults.py --check [--ref REF]

The scratch copy is `git archive` of REF (default HEAD) in DIR (default /tmp/orvantis-faults);
the working tree is never touched. The scratch tree is built once and tested clean; then each
fault is one exact text substitution in one file, built incrementally (ccache keeps the restored
files cheap) and tested with ctest. A fault whose text no longer occurs is reported as "not
applied" and left out of the count, so the list stays honest while the code moves on; a fault
that does not compile is reported as "no build" and not counted either. --tests-from takes
tests/ and fuzz/ from another commit, so two suites can be compared on the same code. --check only
reports which substitutions apply.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass


@dataclass
class Fault:
    path: str
    old: str
    new: str
    what: str


FAULTS = [
    Fault("src/astro/calendar.cpp", "if (j >= 2299171.0)", "if (j > 2299171.0)",
          "Gregorian reform one day late (15 October 1582 stays Julian)"),
    Fault("src/astro/calendar.cpp", "(year % 100 != 0 || year % 400 == 0)", "(year % 100 != 0)",
          "leap-year rule without the 400-year exception (2000 not leap)"),
    Fault("src/chart/election_steps.cpp", "if (++e.ElectDay <= LastDay(e)) {",
          "if (++e.ElectDay < LastDay(e)) {",
          "adding a day skips the last day of every month"),
    Fault("src/chart/election_steps.cpp", "if (e.ElectHour != 11) return;",
          "if (e.ElectHour != 12) return;",
          "going back an hour turns A.M./P.M. at 12 instead of 11"),
    Fault("src/astro/calendar.cpp", "ut_fraction - 0.5) / 36525.0",
          "ut_fraction + 0.5) / 36525.0",
          "centuries counted from the wrong half of the day"),
    Fault("src/chart/time_scales.cpp", "0.0929 * centuries * centuries",
          "0.0992 * centuries * centuries",
          "sidereal-time T² coefficient mistyped"),
    Fault("src/chart/time_scales.cpp", "if (t.LatRadians < 0) shown",
          "if (t.LatRadians > 0) shown",
          "shown sidereal time turned for the wrong hemisphere"),
    Fault("src/chart/houses.cpp", "? s.ramc + ArcCos(-t) / divisor",
          "? s.ramc + ArcCos(t) / divisor",
          "Placidus diurnal semi-arc with the wrong sign"),
    Fault("src/chart/houses.cpp", "const double to = cusps[h == 12 ? 1 : h + 1];",
          "const double to = cusps[h == 12 ? 12 : h + 1];",
          "wrong closing cusp of the last house when placing bodies"),
    Fault("src/chart/houses.cpp", "for (int i = 1; i <= 2; ++i) c[4 + i]",
          "for (int i = 1; i <= 2; ++i) c[3 + i]",
          "Porphyry writes houses 4 and 5 instead of 5 and 6"),
    Fault("src/ephemeris/moon.cpp", "{Mp - 3 * D, 3.22},", "{Mp - 3 * D, -3.22},",
          "Moon: a 3-arcsecond term with the wrong sign"),
    Fault("src/ephemeris/perturbations.cpp", "{{-0.002572}, Sin(Zeta), Sin(2 * Q)},",
          "{{0.002572}, Sin(Zeta), Sin(2 * Q)},",
          "Jupiter: a perturbation term with the wrong sign"),
    Fault("src/ephemeris/ephemeris.cpp", "/ 365.25 / 71.61 +", "/ 365.25 / 71.16 +",
          "ayanamsa precession rate mistyped"),
    Fault("src/ephemeris/ephemeris.cpp", "if (std::abs(now - next) >= 180.0) {",
          "if (std::abs(now - next) >= 360.0) {",
          "retrograde test forgets the wrap at 0° Aries"),
    Fault("src/settings/lenient_number.cpp", "const double rounded = std::nearbyint(value);",
          "const double rounded = std::round(value);",
          "option numbers round halves away from zero instead of to even"),
    Fault("src/settings/lenient_number.cpp", "if (exponent_end > j) end = exponent_end;",
          "end = exponent_end;",
          "\"12e\" read as no number instead of 12"),
    Fault("src/aspects/aspect_kind.cpp", "return low <= distance && distance <= high;",
          "return low < distance && distance <= high;",
          "lower orb edge excluded"),
    Fault("src/aspects/aspect_kind.cpp", "if (Within(d, 150.0, orbs[10])) kind = kQuincunx;",
          "if (Within(d, 150.0, orbs[9])) kind = kQuincunx;",
          "aspect list quincunx reads the sesquiquadrate's orb"),
    Fault("src/files/whole_file.cpp",
          "if (file.write(bytes) != bytes.size() || !file.flush()) {",
          "if (file.write(bytes) != bytes.size()) {",
          "save no longer flushes before commit (a full disk cuts the file)"),
    Fault("src/shell/single_instance.cpp", "qAbs(age) > kOwnerlessLockGraceMs",
          "qAbs(age) < kOwnerlessLockGraceMs",
          "a fresh ownerless lock is taken over, an old one never"),
    Fault("src/shell/main_window.cpp", "if (Running() && computed_minute_ != minute)",
          "if (Running() && computed_minute_ == minute)",
          "minute tick recomputes on the wrong ticks"),
    Fault("src/windows/election_window.cpp",
          "(e.ElectSouth == 1 ? south_option_ : north_option_)->setChecked(true);",
          "(e.ElectSouth == 0 ? south_option_ : north_option_)->setChecked(true);",
          "election window shows north and south swapped"),
    Fault("src/chart/chart_driver.cpp", "(degrees == 66 && minutes > 0)",
          "(degrees == 66 && minutes >= 0)",
          "latitude 66°00' refused for the quadrant systems"),
    Fault("src/wheel/planet_placement.cpp", "kLeaderThreshold = 2;", "kLeaderThreshold = 12;",
          "no leader line for a glyph moved less than 12 degrees"),
    Fault("src/events/events.cpp", "(cusp_sign + 10) % 12 + 1", "(cusp_sign + 11) % 12 + 1",
          "a retrograde ingress names the wrong sign"),
    Fault("src/zones/zone_names.cpp",
          "AmbiguousTime{WestHours(found.front()), WestHours(found.back())}",
          "AmbiguousTime{WestHours(found.back()), WestHours(found.front())}",
          "a clock reading in a fold gives its two offsets in the wrong order"),
    Fault("src/wheel/cusp_labels.cpp", "if (d == 2) intercepted", "if (d == 3) intercepted",
          "intercepted signs never marked"),
    Fault("src/cli/chart_command.cpp", "e.south = p->direction == 'S';",
          "e.south = p->direction == 'N';", "command line reads north latitudes as south"),
    Fault("src/wheel/aspect_grid.cpp", "if (width > g.width) dc.SetFontSize",
          "if (width < g.width) dc.SetFontSize",
          "grid text shrunk when it fits, not when it overflows"),
    Fault("src/settings/ini_file.cpp", "if (v > 0) g.height = v;", "if (v >= 0) g.height = v;",
          "a zero window height taken from the INI"),
    Fault("src/windows/orbs_edit_window.cpp", "absoluteFilePath() == path",
          "absoluteFilePath() != path", "a second orbs editor opened on a file already open"),
    Fault("src/windows/select_file_window.cpp", "roots[i].size() > roots[best].size()",
          "roots[i].size() < roots[best].size()",
          "the drive list picks the outermost root holding the folder"),
    Fault("src/events/transits.cpp", "(target.group + 10) % 12 + 1;",
          "(target.group + 11) % 12 + 1;",
          "a transit moving backwards into a house names the wrong house"),
    Fault("src/events/transits.cpp", "{Reduce360(exact + orb), Mark::kOrbEdge, group}",
          "{Reduce360(exact + orb / 2), Mark::kOrbEdge, group}",
          "a transit's orb closes at half the orb on the far side"),
    Fault("src/events/transits.cpp", "e.retrograde = !p.forwards;", "e.retrograde = p.forwards;",
          "transits marked retrograde when direct"),
    Fault("src/events/event_jump.cpp", "std::chrono::ceil<minutes>(event.ut)",
          "std::chrono::floor<minutes>(event.ut)",
          "jumping to an event lands on the minute before it"),
    Fault("src/chart/time_travel.cpp", "at.date.day = months > 0 ? 15 : 4;",
          "at.date.day = months > 0 ? 4 : 15;",
          "a month step into the 1582 gap lands on the side it came from"),
    Fault("src/chart/time_travel.cpp", "return a / b - (a % b != 0 && (a < 0) != (b < 0));",
          "return a / b;", "moments before 1970 fall on the next day"),
    Fault("src/places/place_lookup.cpp", "return a.population > b.population;",
          "return a.population < b.population;", "the atlas lists the smallest places first"),
    Fault("src/places/place_lookup.cpp", "packed.west = longitude < 0 || lon == 0;",
          "packed.west = longitude > 0 || lon == 0;", "an atlas place east of Greenwich put west"),
    Fault("src/library/chart_library.cpp", "for (int n = 2; !replace; ++n)",
          "for (int n = 2; replace; ++n)",
          "importing a chart whose name is taken overwrites the saved one"),
    Fault("src/library/aaf.cpp", "(text[side] | 0x20) == 'w' ? -east : east;",
          "(text[side] | 0x20) == 'e' ? -east : east;",
          "an imported chart's zone read on the wrong side of Greenwich"),
    Fault("src/ephemeris/precise_ephemeris.cpp", "return jd_ut + DeltaTSeconds(jd_ut) / 86400.0;",
          "return jd_ut - DeltaTSeconds(jd_ut) / 86400.0;",
          "precise ephemeris takes terrestrial time as behind universal time"),
    Fault("src/ephemeris/precise_ephemeris.cpp", "n.longitude * std::cos(n.true_obliquity * kRad)",
          "n.longitude * std::sin(n.true_obliquity * kRad)",
          "precise sidereal time with a wrong equation of the equinoxes"),
]


def run(cmd, cwd=None, env=None, log=None):
    out = subprocess.run(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         text=True, errors="replace")
    if log is not None:
        with open(log, "a") as f:
            f.write(f"$ {' '.join(cmd)}\n{out.stdout}\n")
    return out


def git(repo, *args):
    return subprocess.run(["git", "-C", repo, *args], check=True, stdout=subprocess.PIPE,
                          text=True).stdout


def extract(repo, ref, dest, paths=()):
    archive = subprocess.Popen(["git", "-C", repo, "archive", ref, *paths], stdout=subprocess.PIPE)
    subprocess.run(["tar", "-x", "-C", dest], stdin=archive.stdout, check=True)
    if archive.wait() != 0:
        sys.exit(f"git archive {ref} failed")


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def failed_tests(output):
    summary = output.partition("The following tests FAILED:")[2]
    failed = sorted(set(re.findall(r"^\s*\d+ - (\S+)", summary, re.MULTILINE)))
    return failed or [line.strip() for line in output.splitlines() if "rror" in line][:2]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ref", default="HEAD")
    parser.add_argument("--tests-from")
    parser.add_argument("--only", help="comma-separated fault numbers (1-based)")
    parser.add_argument("--scratch", default="/tmp/orvantis-faults")
    parser.add_argument("--keep", action="store_true", help="keep the scratch tree")
    parser.add_argument("--check", action="store_true", help="only report which faults apply")
    args = parser.parse_args()

    repo = git(os.path.dirname(os.path.abspath(__file__)), "rev-parse", "--show-toplevel").strip()
    # Resolved once: HEAD may move while the faults are being planted.
    args.ref = git(repo, "rev-parse", "--short", args.ref).strip()
    if args.tests_from:
        args.tests_from = git(repo, "rev-parse", "--short", args.tests_from).strip()
    chosen = range(1, len(FAULTS) + 1)
    if args.only:
        chosen = [int(n) for n in args.only.split(",")]

    if args.check:
        for n in chosen:
            f = FAULTS[n - 1]
            text = subprocess.run(["git", "-C", repo, "show", f"{args.ref}:{f.path}"],
                                  stdout=subprocess.PIPE, text=True).stdout
            state = "applies" if text.count(f.old) == 1 else "not applied"
            print(f"{n:2} {state:12} {f.path}: {f.what}")
        return 0

    scratch = os.path.abspath(args.scratch)
    src, build = os.path.join(scratch, "tree"), os.path.join(scratch, "build")
    log = scratch + ".log"  # beside the scratch folder, so it outlives it
    shutil.rmtree(src, ignore_errors=True)
    os.makedirs(src)
    os.makedirs(build, exist_ok=True)
    extract(repo, args.ref, src)
    if args.tests_from:
        for part in ("tests", "fuzz"):
            shutil.rmtree(os.path.join(src, part), ignore_errors=True)
        extract(repo, args.tests_from, src, ["tests", "fuzz"])
    open(log, "w").close()
    # git archive gives every file its commit's time; a build folder left by an interrupted run
    # could then hold a faulty object that looks newer than its restored source.
    now = time.time()
    for folder, _, files in os.walk(src):
        for name in files:
            os.utime(os.path.join(folder, name), (now, now))

    # ccache hits across runs need the same paths: the scratch folder is fixed and the base
    # folder makes the hashes independent of it.
    env = dict(os.environ, CCACHE_BASEDIR=scratch, CCACHE_NOHASHDIR="1")
    configure = ["cmake", "-S", src, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                 "-DORVANTIS_WERROR=ON", "-DORVANTIS_BENCHMARKS=OFF"]
    # Every fault relinks every test; lld does that several times faster than the default.
    if shutil.which("ld.lld"):
        configure.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld")
    build_cmd = ["cmake", "--build", build, "-j2"]
    # A fault counts as caught at its first failing test; the rest of the suite would add nothing.
    test_cmd = ["ctest", "--test-dir", build, "-j2", "--timeout", "120", "--stop-on-failure"]

    def build_and_test():
        if run(build_cmd, env=env, log=log).returncode != 0:
            return "no build", []
        out = run(test_cmd, env=env, log=log)
        return ("caught" if out.returncode != 0 else "missed"), failed_tests(out.stdout)

    if run(configure, env=env, log=log).returncode != 0:
        sys.exit(f"configure failed; see {log}")
    state, failing = build_and_test()
    if state != "missed":
        sys.exit(f"the untouched tree does not build and pass ({state} {failing}); see {log}")

    described = f"{args.ref}" + (f" with tests from {args.tests_from}" if args.tests_from else "")
    print(f"Planted faults in {described}")
    counts = {}
    for n in chosen:
        f = FAULTS[n - 1]
        path = os.path.join(src, f.path)
        original = read(path) if os.path.exists(path) else ""
        if original.count(f.old) != 1:
            state, failing = "not applied", []
        else:
            write(path, original.replace(f.old, f.new))
            started = time.time()
            state, failing = build_and_test()
            write(path, original)
            with open(log, "a") as lf:
                lf.write(f"fault {n}: {state} in {time.time() - started:.0f} s\n")
        counts[state] = counts.get(state, 0) + 1
        tests = f"  [{', '.join(failing[:4])}{' …' if len(failing) > 4 else ''}]" if failing else ""
        print(f"{n:2} {state:11} {f.path}: {f.what}{tests}", flush=True)

    applied = counts.get("caught", 0) + counts.get("missed", 0)
    print(f"caught {counts.get('caught', 0)} of {applied} applied faults"
          f" ({counts.get('not applied', 0)} not applied, {counts.get('no build', 0)} no build)")
    if not args.keep:
        shutil.rmtree(scratch, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
