#!/usr/bin/env python3
"""Writes a KiCad 6 board with N pads for the benchmarks: footprints of 10 pads each (through-hole
round and slotted, non-plated, surface and rounded surface pads, a quarter of the footprints turned by
90 degrees) and one via per footprint, on a grid.

  bench/kicad/generate_kicad_board.py --pads 1000000 > big.kicad_pcb
"""
import argparse
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pads", type=int, default=1000000)
    args = parser.parse_args()
    w = sys.stdout.write
    w('(kicad_pcb (version 20211014) (generator pcbnew)\n')
    w('  (general (thickness 1.6))\n  (paper "A4")\n')
    w('  (layers\n    (0 "F.Cu" signal)\n    (31 "B.Cu" signal)\n    (44 "Edge.Cuts" user)\n  )\n')
    w('  (net 0 "")\n  (net 1 "GND")\n')
    footprints = (args.pads + 9) // 10
    pads_left = args.pads
    columns = 300
    for f in range(footprints):
        x = 10 + (f % columns) * 6.35
        y = 10 + (f // columns) * 6.35
        angle = " 90" if f % 4 == 3 else ""
        w(f'  (footprint "Bench:Part{f % 7}" (layer "F.Cu") (at {x:.4f} {y:.4f}{angle})\n')
        w(f'    (fp_text reference "U{f + 1}" (at 0 -3) (layer "F.SilkS"))\n')
        for p in range(min(10, pads_left)):
            px = (p % 5) * 1.27 - 2.54
            py = -1.27 if p < 5 else 1.27
            at = f'(at {px:.2f} {py:.2f}{angle})'
            if p in (0, 5):
                w(f'    (pad "{p + 1}" thru_hole circle {at} (size 1.6 1.6) (drill 0.8) (layers *.Cu *.Mask) (net 1 "GND"))\n')
            elif p == 1:
                w(f'    (pad "{p + 1}" thru_hole oval {at} (size 1.2 2.2) (drill oval 0.6 1.6) (layers *.Cu *.Mask))\n')
            elif p == 2:
                w(f'    (pad "" np_thru_hole circle {at} (size 1.1 1.1) (drill 1.1) (layers *.Cu *.Mask))\n')
            elif p in (3, 8):
                w(f'    (pad "{p + 1}" thru_hole rect {at} (size 1.5 1.5) (drill 0.7874) (layers *.Cu *.Mask))\n')
            elif p in (4, 9):
                w(f'    (pad "{p + 1}" smd roundrect {at} (size 1 0.6) (layers F.Cu F.Paste F.Mask) (roundrect_rratio 0.25))\n')
            else:
                w(f'    (pad "{p + 1}" smd rect {at} (size 0.8 0.8) (layers F.Cu F.Paste F.Mask))\n')
        pads_left -= min(10, pads_left)
        w('  )\n')
        w(f'  (via (at {x + 3.175:.4f} {y:.4f}) (size 0.6) (drill 0.3) (layers "F.Cu" "B.Cu") (net 1))\n')
    w(')\n')


if __name__ == "__main__":
    main()
