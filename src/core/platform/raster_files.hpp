#pragma once
// Pages kept as pixels, written into files: a PNG a page, or every page of a
// job as one image in a PDF file. For renderers without a vector writer of
// their own (GDI on a simulated printer).

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/page_files.hpp"
#include "core/support/file_helpers.hpp"

namespace veltrim {

// Pixels of one page: rows top-down, `stride` bytes apart, 3 bytes a pixel
// in blue-green-red order (as Windows bitmaps hold them) or red-green-blue.
struct RasterPage {
  const std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  bool bgr = false;
};

// False when the page is not valid or the file cannot be written; errno
// then tells why the file could not.
bool WritePngFile(const std::string& file, const RasterPage& page);

// A file of page images, written a page at a time: each page's image goes
// out when it is added, so a long job holds one page in memory. The file is
// completed by Finish (or the destructor).
class RasterDocumentWriter {
 public:
  virtual ~RasterDocumentWriter() = default;
  RasterDocumentWriter(const RasterDocumentWriter&) = delete;
  RasterDocumentWriter& operator=(const RasterDocumentWriter&) = delete;

  // Whether the file was created and every write so far succeeded.
  bool Ok() const { return file_ != nullptr && !failed_; }
  // The errno of the first call on the file that failed; 0 when none did
  // or the C library gave none.
  int Error() const { return error_; }
  virtual bool AddPage(const RasterPage& page) = 0;
  virtual bool Finish() = 0;

 protected:
  // Pages are `widthPoints` x `heightPoints` (1/72 inch).
  RasterDocumentWriter(const std::string& file, double widthPoints, double heightPoints);
  void Write(const void* data, std::size_t size);
  void Print(const char* format, ...);
  long Offset() const;
  // Closes the file; false when anything failed.
  bool Close();

  double widthPoints_;
  double heightPoints_;
  bool failed_ = false;
  bool finished_ = false;

 private:
  void Failed(int error);
  int error_ = 0;
  FileHandle file_;
};

// Every page an image in one PDF file.
class RasterPdfWriter final : public RasterDocumentWriter {
 public:
  RasterPdfWriter(const std::string& file, double widthPoints, double heightPoints);
  ~RasterPdfWriter() override;
  bool AddPage(const RasterPage& page) override;
  bool Finish() override;

 private:
  int BeginObject();
  std::vector<long> offsets_;  // of objects 1, 2, ...
  std::vector<int> pages_;     // object numbers of the page objects
};

// Every page an image in one PostScript (level 3) file.
class RasterPostScriptWriter final : public RasterDocumentWriter {
 public:
  RasterPostScriptWriter(const std::string& file, double widthPoints, double heightPoints);
  ~RasterPostScriptWriter() override;
  bool AddPage(const RasterPage& page) override;
  bool Finish() override;

 private:
  int pages_ = 0;
};

// The writer for a PDF or PostScript file; null for PNG.
std::unique_ptr<RasterDocumentWriter> MakeRasterDocumentWriter(FileFormat format, const std::string& file,
                                                               double widthPoints, double heightPoints);

}  // namespace veltrim
