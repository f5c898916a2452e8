#include "platform/page_files.hpp"

#include <gtest/gtest.h>

namespace veltrim {
namespace {

TEST(PageFiles, FormatByExtensionInAnyCase) {
  EXPECT_EQ(FileFormatOf("job.pdf"), FileFormat::Pdf);
  EXPECT_EQ(FileFormatOf("JOB.PS"), FileFormat::PostScript);
  EXPECT_EQ(FileFormatOf("dir.v2/page.Png"), FileFormat::Png);
  EXPECT_EQ(FileFormatOf("job.txt"), std::nullopt);
  EXPECT_EQ(FileFormatOf("pdf"), std::nullopt);
  EXPECT_EQ(FileFormatOf("job.pdf.gz"), std::nullopt);
}

TEST(PageFiles, PngPagesAreNumberedBeforeTheExtension) {
  EXPECT_EQ(PngPagePath("out.png", 1), "out-1.png");
  EXPECT_EQ(PngPagePath("a.b/Out.PNG", 12), "a.b/Out-12.png");
  EXPECT_EQ(PngPagePath("pages", 2), "pages-2.png");
  EXPECT_EQ(PngPagePath("scan.pdf", 3), "scan.pdf-3.png");
}

}  // namespace
}  // namespace veltrim
