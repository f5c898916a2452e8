// The support code: growing strings, number text, the formatter, whole-file reads and writes, the bitmap decoder.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include <algorithm>
#include <array>
#include <stdexcept>
#include <tuple>

#include "core/support/bitmap_file.hpp"
#include "core/support/dyn_string.hpp"
#include "core/support/file_helpers.hpp"
#include "core/support/format_message.hpp"
#include "core/support/number_text.hpp"
#include "scratch_dir.hpp"
#include "test_bitmap.hpp"

namespace veltrim {
namespace {

using test::FileText;
using test::ScratchDir;

TEST(DynString, FillsABlockToItsLastByteThenGrowsAndCopesWithItsOwnText) {
  DynString s;
  const std::string head(100, 'h'), fill(32667, 'f');
  s.Assign(head.c_str()).Append(fill.c_str()).Append(nullptr);
  EXPECT_EQ(std::tuple(s.Length(), s.Capacity(), s.Data()[32767]), std::tuple(32767, 32768, '\0'));
  s.Append("!");
  EXPECT_EQ(std::pair(std::string(s.View()), s.Capacity()), std::pair(head + fill + "!", 65536));
  EXPECT_THROW(DynString::CapacityFor(std::int64_t{DynString::kMaxCapacity} + 1), std::length_error);
  const std::string half(20000, 'q');
  s.Assign(half.c_str());
  s.Append(s.Data());  // the source lies in the block being replaced
  EXPECT_EQ(s.View(), half + half);
  s.Assign(s.Data() + 39995);  // the tail of its own text, in place
  EXPECT_STREQ(s.Data(), "qqqqq");
}

TEST(NumberText, IntToTextAndTextToIntLikeAtoiSaturating) {
  for (const auto& [value, text] : {std::pair{0, "0"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"}})
    EXPECT_EQ(IntToText(value), text);
  struct Case { const char* text; std::int32_t value; };
  for (const Case& c : {Case{"12/", 12}, {"/", 0}, {nullptr, 0}, {"\t\r\n\v\f-42x", -42}, {"+5", 5}, {"- 5", 0},
                        {"2147483648", INT32_MAX}, {"-99999999999999999999", INT32_MIN}})
    EXPECT_EQ(TextToInt(c.text), c.value) << (c.text ? c.text : "(null)");
}

TEST(NumberText, FloatToTextSignificantDigitsLikeGcvt) {
  struct Case { double value; int digits; const char* text; };
  const Case cases[] = {
      {0.5, 8, "0.5"}, {100.0, 8, "100"}, {0.0001, 8, "0.0001"}, {1e-5, 8, "1e-05"}, {-1.5e10, 8, "-1.5e+10"},
      {123456789.0, 8, "1.2345679e+08"}, {9.99999999, 8, "10"}, {3.7, 0, "4"},
      {0.15, 1, "0.1"},  // rounded from the exact binary value, 0.1499999999999999944...
  };
  for (const Case& c : cases) EXPECT_EQ(FloatToText(c.value, c.digits), c.text) << c.text << " digits " << c.digits;
}

// The text and the two NULs after it inside the block.
std::string Closed(const TextBlock& block) { return std::string(block.Data(), block.Length() + 2); }

TEST(FormatMessageText, ExpandsPlaceholdersAndClosesWithTwoNuls) {
  struct Case { const char* format; std::vector<FormatArg> args; std::string text; };
  const std::string big(100000, 'L');  // far past the estimate: the block grows
  const Case cases[] = {
      {"C=?n, M=?n", {5, -7}, "C=5, M=-7"}, {"?D ?D ?D", {255, -1, 0xABCDEFu}, "0x000000FF 0xFFFFFFFF 0x00ABCDEF"},
      {"?W ?B ?B ?b ?b", {0x12345, 2, 1, 2, 0}, "0x2345 FALSE TRUE true false"},
      {"?? a?xb ?S???s end?", {"x"}, "? axb S?x end"},
      {"[?s][?n] ?d ?f", {nullptr, 3, 0.5, 123456789.0}, "[][3] 0.5 1.2345679e+08"},
      {"?c?c?c", {'A', 0x142, 0x100}, std::string("AB\0", 3)},
      // More placeholders than arguments: numbers read 0, texts read null.
      {"?n|?s|?d|?B|?b|?D", {}, "0||0|FALSE|false|0x00000000"},
      // Wrong kinds are converted rather than misread.
      {"?n ?n ?d ?n ?s! ?n", {2.9, -2.9, 3, "7", 5, 1e20}, "2 -2 3 0 ! 2147483647"},
      {nullptr, {1}, ""}, {"<?s|?s>?n", {big.c_str(), big.c_str(), 42}, "<" + big + "|" + big + ">42"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Closed(FormatMessageTextArgs(c.format, c.args)), c.text + std::string(2, '\0')) << c.text.substr(0, 30);
  EXPECT_EQ(Closed(FormatMessageText("?s has ?n pages at ?d", "Printer", 12L, 0.25)),
            std::string("Printer has 12 pages at 0.25\0\0", 30)) << "the variadic form takes its arguments in order";
}

// The callers pass the text's length; a shorter file replaces a longer one whole.
TEST(FileHelpers, ReplacingWriteTakesTheLengthAndLoadReadsEveryByteBack) {
  const ScratchDir dir;
  const std::string path = dir.Path("out.bin");
  std::array<char, 128> block{};
  std::int32_t read = -1;
  for (const auto& [text, length, bytes] : {std::tuple{"10/20/", 2, "10"}, {"old", 0, ""}}) {
    ScratchDir::Put(path, "previous contents");
    ASSERT_EQ(WriteTextFile(path.c_str(), text, length, 1), 1);
    block.fill('Z');
    ASSERT_EQ(LoadWholeFile(path.c_str(), block, read), 1);
    EXPECT_EQ(std::string(block.data(), read + 1), std::string(bytes) + "Z") << "no NUL added";
  }
}

TEST(FileHelpers, AFailedReplacingWriteLeavesTheOldFileAndNoTemporary) {
  const ScratchDir dir;
  const std::string path = dir.Path("config.qrv"), folder = dir.Path("folder.qrv");
  ScratchDir::Put(path, "10/20/30/40/50/60/70/");
#ifndef _WIN32
  // A file size limit stops the write part way, as a full disk would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 8;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int result = WriteTextFile(path.c_str(), "150/-1/-1/-1/-1/-1/-1/", -1, 1);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(FileText(path), "10/20/30/40/50/60/70/");
#endif
  std::filesystem::create_directory(folder);  // written whole, but nothing can replace a folder
  EXPECT_EQ(WriteTextFile(folder.c_str(), "x", -1, 1), 0);
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  ASSERT_EQ(WriteTextFile(path.c_str(), "1/", -1, 1), 1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("")), {}), 2) << "no temporary file is left";
}

// `file` (a BmpBytes file) with a header of `headerSize` bytes, `gap` bytes between it and the pixels, and `bits`
// bits a pixel in its header.
std::vector<std::uint8_t> Reshaped(std::vector<std::uint8_t> file, std::uint32_t headerSize, std::uint32_t gap,
                                   std::uint16_t bits) {
  const auto put = [&](std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  file.insert(file.begin() + 54, headerSize - 40 + gap, std::uint8_t{0x5A});
  put(10, 14 + headerSize + gap, 4);
  put(14, headerSize, 4);
  put(28, bits, 2);
  return file;
}

// Plain bitmaps go through a loop of ours (the file in 256 KB pieces), the rest through the library: the pixels must be
// the library's, rows padded or top-down, truncated (read as 0), a larger header, a gap or another bit count.
TEST(BitmapBytes, PlainBitmapsDecodeToTheLibrarysPixels) {
  struct Case { int width, height; bool topDown; std::uint32_t headerSize, gap; std::uint16_t bits; std::size_t cut; };
  const Case cases[] = {
      {1, 3, false, 40, 0, 24, 0}, {4, 4, false, 40, 1, 24, 0}, {5, 3, true, 40, 0, 24, 7}, {6, 3, false, 40, 0, 32, 0},
      {301, 300, true, 124, 0, 24, 1},
  };
  const ScratchDir dir;
  for (const Case& c : cases) {
    std::vector<std::uint32_t> rgb(static_cast<std::size_t>(c.width) * c.height);
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFFu;
    auto file = Reshaped(test::BmpBytes(c.width, c.height, rgb, c.topDown), c.headerSize, c.gap, c.bits);
    if (c.cut > 0) file.resize(file.size() - c.cut);
    const std::span bytes(reinterpret_cast<const char*>(file.data()), file.size());
    const std::string path = dir.Path("picture.bmp");
    ScratchDir::Put(path, std::string(bytes.begin(), bytes.end()));
    const auto library = DecodeBitmapBytesByLibrary(bytes);
    const std::string where = std::to_string(c.width) + " x " + std::to_string(c.height);
    // 32 bits a pixel read back as other pixels; the library refuses a gap before the pixels.
    ASSERT_EQ(library.has_value(), c.gap == 0) << where;
    if (library && c.bits == 24 && c.cut == 0) {
      EXPECT_TRUE(std::ranges::equal(library->Pixels(), rgb)) << where;
    }
    for (const auto& decoded : {DecodeBitmapBytes(bytes), DecodeBitmapFile(path.c_str())}) {
      ASSERT_EQ(decoded.has_value(), library.has_value()) << where;
      if (!decoded) continue;
      EXPECT_EQ(std::pair(decoded->width, decoded->height), std::pair(library->width, library->height)) << where;
      EXPECT_TRUE(std::ranges::equal(decoded->Pixels(), library->Pixels())) << where;
    }
  }
}

// Colours a short palette does not list come out black, the same on every decode, and a palette that would end
// before it begins is refused: the library alone would read those entries from memory it never set.
TEST(BitmapBytes, PixelsPastAShortPaletteAreBlack) {
  const auto file = [](std::uint16_t bits, std::uint32_t offset) {
    std::vector<std::uint8_t> bytes = {'B', 'M'};
    test::AppendFields(bytes, {{0, 4}, {0, 4}, {offset, 4}, {40, 4}, {4, 4}, {1, 4}, {1, 2}, {bits, 2}, {0, 4}, {4, 4},
                               {0, 4}, {0, 4}, {2, 4}, {0, 4}});
    // Two entries (blue, green, red, unused), then one row of indices: two listed, two not.
    for (const std::uint8_t byte : {0x30, 0x20, 0x10, 0, 0x03, 0x02, 0x01, 0, 0, 1, 7, 200}) bytes.push_back(byte);
    return bytes;
  };
  const auto decode = [](const std::vector<std::uint8_t>& bytes) {
    return DecodeBitmapBytes(std::span(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  };
  const auto bitmap = decode(file(8, 14 + 40 + 8));
  ASSERT_TRUE(bitmap.has_value());
  EXPECT_EQ(std::vector(bitmap->Pixels().begin(), bitmap->Pixels().end()),
            (std::vector<std::uint32_t>{0x102030, 0x010203, 0, 0}));
  EXPECT_FALSE(decode(file(8, 14 + 40 - 8)).has_value());
}

}  // namespace
}  // namespace veltrim
