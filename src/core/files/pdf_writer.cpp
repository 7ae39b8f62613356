#include "core/files/pdf_writer.h"

#include <cstdio>

namespace tq {
namespace {

std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

}  // namespace

std::string PdfString(std::string_view ansi) {
  std::string s = "(";
  for (char ch : ansi) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '(' || c == ')' || c == '\\') {
      s += '\\';
      s += ch;
    } else if (c < 32 || c > 126) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      s += buf;
    } else {
      s += ch;
    }
  }
  return s + ")";
}

void PdfWriter::NewPage() {
  pages_.emplace_back();
}

std::string& PdfWriter::Page() {
  if (pages_.empty()) NewPage();
  return pages_.back();
}

void PdfWriter::Text(double x, double baseline, double size, bool bold, std::string_view ansi) {
  Page() += "BT /" + std::string(bold ? "F2 " : "F1 ") + Num(size) + " Tf " + Num(x) + " " +
            Num(height_ - baseline) + " Td " + PdfString(ansi) + " Tj ET\n";
}

void PdfWriter::Line(double x1, double y1, double x2, double y2, double width) {
  Page() += Num(width) + " w " + Num(x1) + " " + Num(height_ - y1) + " m " + Num(x2) + " " +
            Num(height_ - y2) + " l S\n";
}

std::string PdfWriter::Finish(std::string_view title) {
  if (pages_.empty()) NewPage();
  std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<std::size_t> offsets;
  auto object = [&](const std::string& body) {
    offsets.push_back(out.size());
    out += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
  };
  const std::size_t pageCount = pages_.size();
  // Pages are objects 6, 8, 10, ...; their contents 7, 9, 11, ...
  std::string kids;
  for (std::size_t i = 0; i < pageCount; ++i) kids += std::to_string(6 + 2 * i) + " 0 R ";
  object("<< /Type /Catalog /Pages 2 0 R >>");
  object("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount) + " >>");
  object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
  object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>");
  object("<< /Title " + PdfString(title) + " /Producer (Tapquill) >>");
  for (std::size_t i = 0; i < pageCount; ++i) {
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Num(width_) + " " + Num(height_) +
           "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
           std::to_string(7 + 2 * i) + " 0 R >>");
    object("<< /Length " + std::to_string(pages_[i].size()) + " >>\nstream\n" + pages_[i] +
           "endstream");
  }
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t off : offsets) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%010zu 00000 n \n", off);
    out += buf;
  }
  out += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) +
         " /Root 1 0 R /Info 5 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return out;
}

}  // namespace tq
