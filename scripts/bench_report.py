#!/usr/bin/env python3
"""Prints the performance goals as a table from one run of tolmer_bench.

Usage: scripts/bench_report.py BENCH.json

The input is Google Benchmark's JSON output (--benchmark_out). Each
benchmark's CPU time per call is the fastest of its repetitions; every goal
is a ratio of two benchmarks from the same run. The exit status is 0 when
every goal is met, 1 otherwise.
"""
import json
import re
import sys

UNIT_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}

TEXT_SMALL, TEXT_LARGE = 1 << 20, 32 << 20
ITEMS_SMALL, ITEMS_LARGE = 1000, 100000


def load(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    best, counters, errors = {}, {}, []
    for b in data.get("benchmarks", []):
        if b.get("run_type") == "aggregate":
            continue
        name = b.get("run_name", b["name"])
        if b.get("error_occurred"):
            errors.append((name, b.get("error_message", "")))
            continue
        t = b["cpu_time"] * UNIT_NS[b.get("time_unit", "ns")]
        if name not in best or t < best[name]:
            best[name] = t
        if "allocations" in b:
            counters[name] = max(counters.get(name, 0.0), b["allocations"])
    return best, counters, errors


class Report:
    def __init__(self, best, counters):
        self.best, self.counters, self.rows = best, counters, []

    def add(self, goal, limit, measured, met):
        self.rows.append((goal, limit, measured, met))

    def missing(self, goal, limit):
        self.add(goal, limit, "not measured", None)

    def ratio_at_most(self, goal, subject, baseline, limit, extra=""):
        if subject not in self.best or baseline not in self.best:
            return self.missing(goal, f"<= {limit:g}x")
        r = self.best[subject] / self.best[baseline]
        self.add(goal, f"<= {limit:g}x", f"{r:.2f}x{extra}", r <= limit)

    def throughput_at_least(self, goal, subject, baseline, limit):
        if subject not in self.best or baseline not in self.best:
            return self.missing(goal, f">= {limit:g}x")
        r = self.best[baseline] / self.best[subject]
        self.add(goal, f">= {limit:g}x", f"{r:.2f}x", r >= limit)

    def print(self):
        print("| Goal | Limit | Measured | Met |")
        print("| --- | --- | --- | --- |")
        for goal, limit, measured, met in self.rows:
            mark = "n/a" if met is None else ("yes" if met else "NO")
            print(f"| {goal} | {limit} | {measured} | {mark} |")


def numbers(rep):
    kinds = ["mixed", "integers", "short", "long", "tiny", "huge"]
    for prec, label in (("double15", "doubles, 15 digits"), ("single7", "singles, 7 digits")):
        for kind in kinds:
            rep.ratio_at_most(f"Number to text, {label}, {kind} values, vs to_chars",
                              f"number_to_text/{prec}/library/{kind}",
                              f"number_to_text/{prec}/to_chars/{kind}", 2)
    for kind in ["mixed", "typed"] + kinds[1:]:
        lib = f"text_to_number/double/library/{kind}"
        strtod = f"text_to_number/double/strtod/{kind}"
        extra = ""
        if lib in rep.best and strtod in rep.best:
            extra = f" (strtod {rep.best[strtod] / rep.best[lib]:.1f}x slower than the library)"
        rep.ratio_at_most(f"Text to number, {kind} texts, vs from_chars", lib,
                          f"text_to_number/double/from_chars/{kind}", 2, extra)


def fields(rep):
    rep.throughput_at_least("Field counting, 32 MiB, one delimiter per 4 KiB: throughput vs memchr loop",
                            f"field_count/long/library/{TEXT_LARGE}", f"field_count/long/memchr/{TEXT_LARGE}", 0.5)
    rep.throughput_at_least("Field counting, 32 MiB, one delimiter per 8 bytes: throughput vs compare-and-count loop",
                            f"field_count/short/library/{TEXT_LARGE}", f"field_count/short/compare/{TEXT_LARGE}", 1)


def scaling(rep, pattern, small, large, limit, what):
    names = sorted({m.group(1) for n in rep.best for m in [re.match(pattern, n)] if m})
    for base in names:
        subject, baseline = f"{base}/{large}", f"{base}/{small}"
        if subject in rep.best and baseline in rep.best:
            extra = ""
            # An export finds its text's length before working on it: its two
            # passes are shown beside those of plain strlen and memchr loops.
            m = re.match(r"field_count/(\w+)/export$", base)
            two_pass = f"field_count/{m.group(1)}/strlen_memchr" if m else None
            if two_pass and f"{two_pass}/{large}" in rep.best and f"{two_pass}/{small}" in rep.best:
                r = rep.best[f"{two_pass}/{large}"] / rep.best[f"{two_pass}/{small}"]
                extra = f" (strlen then memchr loop: {r:.2f}x)"
            rep.ratio_at_most(f"Linear: {base}, {what}", subject, baseline, limit, extra)


def allocations(rep):
    families = {}
    for name, value in rep.counters.items():
        m = re.match(r"allocations/(\w+)/", name)
        if m:
            families.setdefault(m.group(1), []).append((value, name))
    for family in ("catalog", "scale", "angle", "rectangle", "bit", "cpp_catalog"):
        goal = f"Heap allocations beyond the result, {family} exports (most in one call)"
        if family not in families:
            rep.missing(goal, "0")
            continue
        worst, name = max(families[family])
        exports = len(families[family])
        detail = f"{worst:g} in {exports} exports" + (f" ({name.split('/')[-1]})" if worst else "")
        rep.add(goal, "0", detail, worst == 0)


def cpp_format(rep):
    base = "cpp_format/to_chars_single7"
    rep.ratio_at_most("C++ interface: a length formatted into a reused buffer vs to_chars of one 7-digit single",
                      "cpp_format/format_to_reused_buffer", base, 2.5)
    name = "cpp_format/format_to_reused_buffer"
    goal = "C++ interface: heap allocations formatting into a reused buffer (per call)"
    if name in rep.counters:
        rep.add(goal, "0", f"{rep.counters[name]:g}", rep.counters[name] == 0)
    else:
        rep.missing(goal, "0")
    rep.ratio_at_most("GETFORMATEDTEXTFROMINCHES (result allocation included) vs to_chars of one 7-digit single",
                      "cpp_format/export_GETFORMATEDTEXTFROMINCHES", base, 4)


def cpp_display(rep):
    base = "cpp_format/to_chars_single7"
    for suffix, label in (("", "everyday lengths"), ("/decimal", "decimal and metric lengths")):
        name = "cpp_display/format_length_to_reused_buffer" + suffix
        rep.ratio_at_most(f"Today's display: format_length_to into a reused buffer ({label}) vs to_chars of one 7-digit single",
                          name, base, 2.5)
        goal = f"Today's display: heap allocations into a reused buffer ({label}, per call)"
        if name in rep.counters:
            rep.add(goal, "0", f"{rep.counters[name]:g}", rep.counters[name] == 0)
        else:
            rep.missing(goal, "0")


def length_road(rep):
    rep.ratio_at_most("Length road (separate, convert, format) per entry vs formatting alone",
                      "length_road/entry/library/mixed", "length_road/format_only/library/mixed", 5)


def extended(rep):
    # The integer-coded extended arithmetic against the x87 unit, both in the
    # same run: the road through two builds of the library, and number to text.
    rep.ratio_at_most("Length road with the software extended arithmetic vs the x87 unit",
                      "length_road/entry/software_extended/mixed", "length_road/entry/hardware_extended/mixed", 1.5)
    for kind, label in (("double_values", "values a double holds"), ("extended_values", "values it does not")):
        rep.ratio_at_most(f"Number to text, software extended arithmetic vs the x87 unit, {label}",
                          f"number_to_text/extended15/software_extended/{kind}",
                          f"number_to_text/extended15/hardware_extended/{kind}", 1.5)


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    best, counters, errors = load(sys.argv[1])
    rep = Report(best, counters)
    numbers(rep)
    fields(rep)
    scaling(rep, r"^((?:text_linear/.*|field_count/\w+/(?:library|export)))/\d+$", TEXT_SMALL, TEXT_LARGE, 40,
            "32 MiB vs 1 MiB")
    scaling(rep, r"^((?:temp_array|list)/.*)/\d+$", ITEMS_SMALL, ITEMS_LARGE, 150, "100,000 vs 1,000 items")
    allocations(rep)
    length_road(rep)
    cpp_format(rep)
    cpp_display(rep)
    extended(rep)
    rep.print()
    met = sum(1 for r in rep.rows if r[3])
    missed = [r[0] for r in rep.rows if r[3] is False]
    unmeasured = sum(1 for r in rep.rows if r[3] is None)
    print()
    print(f"{met} of {len(rep.rows)} goals met, {len(missed)} missed, {unmeasured} not measured.")
    for name, message in errors:
        print(f"benchmark failed: {name}: {message}")
    return 0 if not missed and not errors and not unmeasured else 1


if __name__ == "__main__":
    sys.exit(main())
