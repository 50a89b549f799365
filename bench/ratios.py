#!/usr/bin/env python3
"""Prints, for every BM_<Operation>_Reference / BM_<Operation> pair in a Google
Benchmark JSON file, both times and how many times faster the engine is.

    build/bin/dictionary_benchmark --benchmark_repetitions=5 \\
        --benchmark_enable_random_interleaving=true \\
        --benchmark_out=bench.json --benchmark_out_format=json
    bench/ratios.py bench.json

For BM_Load the reference is just reading the file's lines, so the figure shown
is the other way round: how many times longer the load takes than the reading.
"""
import json
import re
import sys


def main(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    times = {}
    for run in runs:
        # With repetitions take the median; a single run stands for itself.
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        name = re.sub(r"_(median)$", "", run["run_name"] if "run_name" in run else run["name"])
        if run.get("run_type") == "aggregate" or name not in times:
            times[name] = run["real_time"] * {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[
                run["time_unit"]]
    print(f"{'pair':<52} {'reference ms':>13} {'engine ms':>11} {'ratio':>8}")
    for name, reference in sorted(times.items()):
        match = re.match(r"(BM_\w+?)_Reference(/.*)?$", name)
        if not match:
            continue
        engine_name = match.group(1) + (match.group(2) or "")
        if engine_name not in times:
            continue
        engine = times[engine_name]
        if match.group(1) == "BM_Load":
            label = f"{engine / reference:7.2f}x slower"
        else:
            label = f"{reference / engine:7.1f}x faster"
        print(f"{engine_name:<52} {reference:13.4f} {engine:11.4f} {label}")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "bench.json")
