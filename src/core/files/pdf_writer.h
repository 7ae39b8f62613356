#pragma once
// A small PDF writer for pages of plain text and lines: enough for the
// study report without a graphics library. Text is Windows-1252, set in
// the standard Helvetica fonts with the WinAnsi encoding (which is
// Windows-1252), so no font is embedded and any reader shows it.
//
// The file: header, the catalog (object 1), the page tree (2), the regular
// and bold fonts (3, 4), the document information (5), then per page its
// page object and its content stream; the cross-reference table and the
// trailer follow. Coordinates given to the writer are points from the top
// left corner of the page; the writer turns them to PDF's bottom-up ones.

#include <string>
#include <string_view>
#include <vector>

namespace tq {

class PdfWriter {
 public:
  PdfWriter(double pageWidth, double pageHeight) : width_(pageWidth), height_(pageHeight) {}

  void NewPage();
  // Text whose baseline is `baseline` points from the top of the page.
  void Text(double x, double baseline, double size, bool bold, std::string_view ansi);
  void Line(double x1, double y1, double x2, double y2, double width);
  int PageCount() const { return static_cast<int>(pages_.size()); }

  // The whole file; a document without pages gets one empty page.
  std::string Finish(std::string_view title);

 private:
  std::string& Page();
  double width_;
  double height_;
  std::vector<std::string> pages_;
};

// A PDF string literal: "(" ... ")" with "(", ")" and "\" escaped and bytes
// outside printable ASCII written as octal escapes.
std::string PdfString(std::string_view ansi);

}  // namespace tq
