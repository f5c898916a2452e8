# The seeds of fuzz_pages: every tab (its stacked items, its stand-alone one, the Custom items that read a box)
# with every number box at 2147483647, -2147483648 or 99999999999, on a 300-dpi A4 page and a 167 x 239 canvas.
# FuzzedDataProvider reads integers from the end of the input, so the choices are listed in the order
# fuzz_pages.cpp consumes them and written reversed. Usage: make_pages_seeds.py tests/fuzz/corpus_pages
import os, sys
out = sys.argv[1]
def rng(lo, hi, v):
    r = hi - lo; b = []; off = 0; x = v - lo
    n = 0
    while off < 64 and (r >> off) > 0:
        n += 1; off += 8
    return [(x >> (8 * (n - 1 - i))) & 0xFF for i in range(n)]
EDGES = ["2147483647", "-2147483648", "99999999999"]
def seed(tab, flags, option, layout, edge, kind):
    b = rng(-1, 5, tab)
    for f in flags: b += [f]
    b += rng(-1, 15, option) + rng(-1, 3, layout)
    for i in range(30): b += rng(-32768, 32767, [200, 40, 90][i % 3])
    for _ in range(5): b += rng(0, 2, 0) + rng(0, 6, edge)
    for v in (2400, 3400, 203, 288, 300, 300, 2480, 3508, 40, 47):  # a 300-dpi A4 page, unequal margins
        b += rng(0, 3, 2) + rng(9, 10000, v)
    b += rng(0, 4096, 167) + rng(0, 4096, 239) + [0] + rng(0, 6, kind)
    for v in [2147483647, -2147483648] * 7 + [99999] * 2: b += rng(-2**31, 2**31 - 1, v)
    return bytes(reversed(b))
bw, co, ca, cu = [1] * 9 + [0], [1] * 12 + [0], [1] * 7 + [0], [0] * 6
n = 0
for e in range(3):
    cases = [(0, bw, co, ca, cu, 0, 0), (1, bw, co, ca, cu, 0, 0), (3, bw, co, ca, cu, 0, 0),
             (3, bw, co, [0] * 7 + [1], cu, 0, 0), (2, bw, co, ca, cu, 5, 0)]
    cases += [(4, bw, co, ca, [int(i == item) for i in range(6)], 0, 0) for item in (0, 1, 5)]
    for k, (tab, b_, c_, a_, u_, opt, lay) in enumerate(cases):
        open(os.path.join(out, "seed_%s_%d" % (EDGES[e].replace("-", "minus"), k)), "wb").write(
            seed(tab, b_ + c_ + a_ + u_, opt, lay, e, 1 + k % 5))
        n += 1
