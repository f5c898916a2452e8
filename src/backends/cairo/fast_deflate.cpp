// Cairo deflates every PDF and PostScript stream at zlib's default level,
// with no way to ask for another. A page-sized picture is megabytes of
// pixels, and at the default level deflating it was half the time of its
// page; the fastest level takes a third of that for streams about 1.4
// times as large, still far below the pictures' own size.
//
// This definition stands in for zlib's own: the program's symbols come
// first when the libraries' calls are bound, so cairo's deflateInit() lands
// here. The linker is told to keep it (see CMakeLists.txt), and a render
// test checks that it is the one in use. Streams opened with an explicit
// level (deflateInit2, as the PNG writer does) are not touched.
#include <zlib.h>

extern "C" int deflateInit_(z_streamp stream, int /*level*/, const char* version, int streamSize) {
  constexpr int kMemLevel = 8;  // zlib's own default
  return deflateInit2_(stream, Z_BEST_SPEED, Z_DEFLATED, MAX_WBITS, kMemLevel, Z_DEFAULT_STRATEGY, version,
                       streamSize);
}
