#!/usr/bin/env python3
"""Over Google Benchmark JSON results (files or directories): ours beside each peer for the same
<operation>/<subject>[/<arguments>] (a subject not in PEERS is ours), the median standing for
repeated runs, then each complexity fit against a relative RMS cap."""
import json, pathlib, sys

PEERS = {"string", "c_malloc", "c_span", "vector", "std_set"}
RMS_CAP = 0.30
NS_PER = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}

groups, fits = {}, []
for arg in map(pathlib.Path, sys.argv[1:]):
    for path in sorted(arg.glob("*.json")) if arg.is_dir() else [arg]:
        for run in json.loads(path.read_text())["benchmarks"]:
            kind = run.get("aggregate_name", "")
            if kind == "BigO":
                fits.append([run["run_name"], run["big_o"], float("nan")])
            elif kind == "RMS":
                fits[-1][2] = run["rms"]
            elif kind in ("", "median") and not run.get("error_occurred"):
                operation, subject, *arguments = run["run_name"].split("/")
                group = groups.setdefault("/".join([operation] + arguments), {})
                # CPU time per item when the benchmark counts items, otherwise per iteration.
                ns = (1e9 / run["items_per_second"] if run.get("items_per_second") else
                      run["cpu_time"] * NS_PER[run["time_unit"]])
                if kind == "median" or not group.get(subject, (0, False))[1]:
                    group[subject] = (ns, kind == "median")

print("Side by side (ns per item, ours / peer):")
for key, group in groups.items():
    for ours, (ours_ns, _) in group.items():
        for peer, (peer_ns, _) in group.items():
            if ours not in PEERS and peer in PEERS:
                print(f"  {key:34} {ours:9} {ours_ns:11.3f}  {peer:9} {peer_ns:11.3f}"
                      f"  ratio {ours_ns / peer_ns:8.3f}")
print(f"\nComplexity fits (expected class, relative RMS, cap {RMS_CAP:.0%}):")
for name, big_o, rms in fits:
    verdict = "holds" if rms <= RMS_CAP else "DOES NOT HOLD"
    print(f"  {name:34} {'O(' + big_o.strip('()') + ')':8} rms {rms * 100:5.1f}%  {verdict}")
