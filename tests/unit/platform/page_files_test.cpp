#include "platform/page_files.hpp"

#include <gtest/gtest.h>

namespace veltrim {
namespace {

TEST(PageFiles, FormatByExtensionInAnyCase) {
  const std::pair<const char*, std::optional<FileFormat>> cases[] = {
      {"job.pdf", FileFormat::Pdf}, {"JOB.PS", FileFormat::PostScript}, {"dir.v2/page.Png", FileFormat::Png},
      {"job.txt", std::nullopt},    {"pdf", std::nullopt},              {"job.pdf.gz", std::nullopt}};
  for (const auto& [path, format] : cases) EXPECT_EQ(FileFormatOf(path), format) << path;
}

TEST(PageFiles, PngPagesAreNumberedBeforeTheExtension) {
  EXPECT_EQ(PngPagePath("out.png", 1), "out-1.png");
  EXPECT_EQ(PngPagePath("a.b/Out.PNG", 12), "a.b/Out-12.png");
  EXPECT_EQ(PngPagePath("pages", 2), "pages-2.png");
  EXPECT_EQ(PngPagePath("scan.pdf", 3), "scan.pdf-3.png");
}

}  // namespace
}  // namespace veltrim
