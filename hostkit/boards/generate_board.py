#!/usr/bin/env python3
"""Writes a board file for the stand-in PCB editor: pads and vias on a grid over a chosen number of
distinct hole sizes, on a two-layer stack with one layer pair. The output is in the canonical form
that the editor itself saves, so loading and saving it gives the same bytes.

  generate_board.py --pads 5000 --vias 5000 --sizes 12 --unit imperial -o big.json
  generate_board.py --pads 50000 --vias 50000 --sizes 10000 --step 0.01 --shared -o many.json

--step sets the distance between neighbouring sizes (in mil, or in mm for a metric board) and --shared
makes pads and vias draw from one series, so --sizes is then the board's number of distinct sizes.
--distinct gives every primitive a size of its own from one series (--sizes is then ignored), and
--first sets the series' first size, which may be negative or lie anywhere in the coordinate range:

  generate_board.py --pads 500000 --vias 500000 --distinct --step 0.01 -o distinct.json
  generate_board.py --pads 10 --vias 10 --distinct --first -100 --step 20000 -o extremes.json

Lands (twice the hole) are kept within the coordinate range, so any hole size gives a valid board.
"""
import argparse
import sys

MIL = 10000                 # internal units per mil
MM = 10000 / 0.0254         # internal units per millimetre


def coord_mm(value):
    return int(round(value * MM))


def coord(value):
    """A size outside the 32-bit coordinate range is an error, not a wrapped value."""
    if not -2**31 <= value < 2**31:
        sys.exit("hole size %d is outside the coordinate range" % value)
    return value


def land_of(hole):
    return min(abs(hole) * 2, 2**31 - 1)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pads", type=int, default=100)
    parser.add_argument("--vias", type=int, default=100)
    parser.add_argument("--sizes", type=int, default=8, help="distinct hole sizes of each kind")
    parser.add_argument("--unit", choices=["metric", "imperial"], default="metric")
    parser.add_argument("--step", type=float, default=None,
                        help="distance of neighbouring sizes: mil (imperial) or mm (metric)")
    parser.add_argument("--shared", action="store_true", help="pads and vias use one series of sizes")
    parser.add_argument("--distinct", action="store_true", help="every primitive a size of its own")
    parser.add_argument("--first", type=float, default=None,
                        help="first size of the series: mil (imperial) or mm (metric)")
    parser.add_argument("-o", "--output", default="-")
    args = parser.parse_args()
    sizes = max(1, args.pads + args.vias if args.distinct else args.sizes)
    metric = args.unit == "metric"
    # Hole sizes: 0.2 mm upwards in 0.05 mm steps, or 8 mil upwards in 2 mil steps.
    step = args.step if args.step is not None else (0.05 if metric else 2)

    def series(first):
        first = args.first if args.first is not None else first
        return [coord(coord_mm(first + step * i) if metric else int(round((first + step * i) * MIL)))
                for i in range(sizes)]

    pad_holes = series(0.6 if metric else 24)
    via_holes = pad_holes if args.shared or args.distinct else series(0.2 if metric else 8)
    # With --distinct the vias continue the pads' series.
    via_offset = args.pads if args.distinct else 0
    pitch = coord_mm(2.54) if metric else 100 * MIL
    columns = max(1, int((args.pads + args.vias) ** 0.5))

    out = open(args.output, "w", newline="\n") if args.output != "-" else sys.stdout
    w = out.write
    w('{\n  "format": "dralith-board",\n  "version": 1,\n')
    w('  "board": {"unit": %d, "layer": 1}' % (0 if metric else 1))
    w(',\n  "layers": [\n    {"layer": 1, "nextLayer": 32},\n    {"layer": 32, "prevLayer": 1}\n  ]')
    w(',\n  "layerPairs": [\n    {"layerA": 1, "layerB": 32}\n  ]')
    total = args.pads + args.vias
    if total:
        w(',\n  "primitives": [\n')
    handle = 0
    for i in range(total):
        handle += 1
        x, y = (i % columns) * pitch, (i // columns) * pitch
        if i < args.pads:
            hole = pad_holes[i % sizes]
            land = land_of(hole)
            w('    {"kind": "pad", "handle": %d, "layer": 74, "x": %d, "y": %d, "holeSize": %d, '
              '"stack": [[1, 1, %d, %d, 0, 0], [32, 1, %d, %d, 0, 0], [74, 1, %d, %d, 0, 0]]}'
              % (handle, x, y, hole, land, land, land, land, land, land))
        else:
            hole = via_holes[(via_offset + i - args.pads) % sizes]
            w('    {"kind": "via", "handle": %d, "layer": 1, "x": %d, "y": %d, "size": %d, "holeSize": %d, '
              '"f13": 32}' % (handle, x, y, land_of(hole), hole))
        w(',\n' if i + 1 < total else '\n')
    if total:
        w('  ]')
    w('\n}\n')
    if out is not sys.stdout:
        out.close()


if __name__ == "__main__":
    main()
