# The seeds of fuzz_pages: every tab (its stacked items, its stand-alone one, the Custom items that read a box)
# with every number box at 2147483647, -2147483648 or 99999999999, on a 300-dpi A4 page and a 167 x 239 canvas.
# FuzzedDataProvider reads integers from the end of the input, so the choices are listed in the order
# fuzz_pages.cpp consumes them and written reversed. Usage: make_pages_seeds.py tests/fuzz/corpus_pages
import os, sys
def rng(lo, hi, v):  # v in [lo, hi] as the provider reads it: the fewest bytes that hold hi - lo, high first
    n = ((hi - lo).bit_length() + 7) // 8
    return [((v - lo) >> (8 * (n - 1 - i))) & 0xFF for i in range(n)]
EDGES = ["2147483647", "-2147483648", "99999999999"]
def seed(tab, flags, option, layout, edge, kind):
    b = rng(-1, 5, tab) + flags + rng(-1, 15, option) + rng(-1, 3, layout)
    for i in range(30): b += rng(-32768, 32767, [200, 40, 90][i % 3])
    for _ in range(5): b += rng(0, 2, 0) + rng(0, 6, edge)
    for v in (2400, 3400, 203, 288, 300, 300, 2480, 3508, 40, 47):  # a 300-dpi A4 page, unequal margins
        b += rng(0, 3, 2) + rng(9, 10000, v)
    b += rng(0, 4096, 167) + rng(0, 4096, 239) + [0] + rng(0, 6, kind)
    for v in [2147483647, -2147483648] * 7 + [99999] * 2: b += rng(-2**31, 2**31 - 1, v)
    return bytes(reversed(b))
bw, co, ca, cu = [1] * 9 + [0], [1] * 12 + [0], [1] * 7 + [0], [0] * 6
for e in range(3):
    cases = [(0, ca, 0, cu), (1, ca, 0, cu), (3, ca, 0, cu), (3, [0] * 7 + [1], 0, cu), (2, ca, 5, cu)]
    cases += [(4, ca, 0, [int(i == item) for i in range(6)]) for item in (0, 1, 5)]
    for k, (tab, a_, opt, u_) in enumerate(cases):
        open(os.path.join(sys.argv[1], "seed_%s_%d" % (EDGES[e].replace("-", "minus"), k)), "wb").write(
            seed(tab, bw + co + a_ + u_, opt, 0, e, 1 + k % 5))
