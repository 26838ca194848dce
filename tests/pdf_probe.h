#pragma once
// Reads back what a PDF holds with poppler's tools, as an outside reader sees it: the
// images of its pages (pdfimages -list) and its page size (pdfinfo).
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

struct PdfImage {
  int page = 0;
  int width = 0;
  int height = 0;
  std::string colour;
  int xPpi = 0;
  int yPpi = 0;
};

struct PdfPage {
  int pages = 0;
  double width = 0;  // points
  double height = 0;
};

inline std::string pdfToolOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    ::pclose(pipe);
  }
  return out;
}

// Each image of the file; empty when the file is no PDF poppler can read.
inline std::vector<PdfImage> pdfImages(const std::string& path) {
  std::istringstream lines(pdfToolOutput("pdfimages -list '" + path + "' 2>/dev/null"));
  std::vector<PdfImage> images;
  std::string line;
  while (std::getline(lines, line)) {
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    std::istringstream fields(line);
    PdfImage image;
    int num = 0, comp = 0, bpc = 0, object = 0, generation = 0;
    std::string type, enc, interp;
    if (fields >> image.page >> num >> type >> image.width >> image.height >> image.colour >> comp >> bpc >> enc >>
        interp >> object >> generation >> image.xPpi >> image.yPpi) {
      images.push_back(image);
    }
  }
  return images;
}

// Extracts the first image of the PDF as a PNG file; returns its name.
inline std::string pdfFirstImageAsPng(const std::string& path, const std::string& prefix) {
  pdfToolOutput("pdfimages -png -f 1 -l 1 '" + path + "' '" + prefix + "' 2>/dev/null");
  return prefix + "-000.png";
}

inline PdfPage pdfPage(const std::string& path) {
  std::istringstream lines(pdfToolOutput("LC_ALL=C pdfinfo '" + path + "' 2>/dev/null"));
  PdfPage page;
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string key, x;
    fields >> key;
    if (key == "Pages:") fields >> page.pages;
    if (key == "Page" && fields >> key && key == "size:") fields >> page.width >> x >> page.height;  // W x H pts
  }
  return page;
}
