#!/usr/bin/env python3
"""Median and worst time per map of each benchmark class, from Google Benchmark JSON output.

Run a benchmark with --benchmark_out=FILE --benchmark_out_format=json (with repetitions, each
map's median run stands for it), then: bench/summary.py FILE [--cpu].
A class is the benchmark name before the first '/'; names starting with "Full" form one class.
"""
import json
import statistics
import sys
from collections import OrderedDict


def class_of(name):
    base = name.split("/")[0]
    return "Full*" if base.startswith("Full") else base


def map_times(benchmarks, field):
    """One time per map in milliseconds: the median aggregate when repeated, else the run.
    A benchmark that counts items (several maps per iteration) gives the time per item; its
    items per second are counted against CPU time."""
    repeated = any(b.get("run_type") == "aggregate" for b in benchmarks)
    times = OrderedDict()
    for b in benchmarks:
        if repeated and b.get("aggregate_name") != "median":
            continue
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
        items = b["items_per_second"] * b["cpu_time"] * scale / 1e3 if "items_per_second" in b else 1
        times[b["run_name"]] = b[field] * scale / items
    return times


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    if len(args) != 1:
        sys.exit(__doc__)
    field = "cpu_time" if "--cpu" in sys.argv else "real_time"
    with open(args[0]) as f:
        benchmarks = json.load(f)["benchmarks"]
    classes = OrderedDict()
    for name, ms in map_times(benchmarks, field).items():
        classes.setdefault(class_of(name), []).append(ms)
    print(f"{'class':<22}{'maps':>5}{'median ms':>12}{'worst ms':>11}")
    for name, times in classes.items():
        print(f"{name:<22}{len(times):>5}{statistics.median(times):>12.3f}{max(times):>11.3f}")


if __name__ == "__main__":
    main()
