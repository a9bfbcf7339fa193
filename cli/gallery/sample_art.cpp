#include "gallery/sample_art.h"

#include <cmath>
#include <cstdio>

namespace vxcli::gallery {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

// A five-pointed star around (cx, cy), first point up.
std::string StarPath(double cx, double cy, double outer, double inner) {
  std::string d;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? outer : inner;
    const double angle = -kPi / 2 + i * kPi / 5;
    d += (i == 0 ? "M" : " L") + Number(cx + radius * std::cos(angle)) + " " + Number(cy + radius * std::sin(angle));
  }
  return d + " Z";
}

std::string Document(const std::string& body) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:vx=\"urn:vellumix4:svg\">\n" + body + "</svg>\n";
}

}  // namespace

std::string XmlEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\r': out += "&#13;"; break;
      case '\n': out += "&#10;"; break;
      case '\t': out += "&#9;"; break;
      default: out += c;
    }
  }
  return out;
}

std::vector<SampleObject> NeonSources() {
  return {
      {"neon-wave",
       "<path id=\"wave\" d=\"M20 75 C35 35 55 35 70 75 S105 115 120 75 S155 35 170 75\" fill=\"#e6f3ff\" "
       "stroke=\"#1f4fff\" stroke-width=\"9\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>"},
      {"neon-star",
       "<path id=\"star\" d=\"" + StarPath(235, 75, 44, 19) +
           "\" fill=\"#ffebff\" vx:fill=\"cmyk 0 0.08 0 0\" stroke=\"#ff2672\" vx:stroke=\"cmyk 0 0.85 0.1 0\" "
           "stroke-width=\"7\" stroke-linejoin=\"round\"/>"},
      {"neon-ring",
       "<circle id=\"ring\" cx=\"330\" cy=\"75\" r=\"27\" fill=\"#fafafa\" vx:fill=\"gray 0.02\" stroke=\"#4d4d4d\" "
       "vx:stroke=\"gray 0.7\" stroke-width=\"10\"/>"},
  };
}

std::vector<SampleObject> ShadingSources() {
  return {
      {"shade-card",
       "<rect id=\"card\" x=\"25\" y=\"40\" width=\"110\" height=\"70\" rx=\"12\" fill=\"#ffd166\" "
       "stroke=\"#d1495b\" stroke-width=\"8\"/>"},
      {"shade-star",
       "<path id=\"shade-star\" d=\"" + StarPath(215, 75, 45, 20) +
           "\" fill=\"#d9f2ff\" vx:fill=\"cmyk 0.15 0 0 0\" stroke=\"#1a4d99\" vx:stroke=\"cmyk 0.9 0.5 0 0.1\" "
           "stroke-width=\"6\" stroke-linejoin=\"round\"/>"},
      {"shade-disc",
       "<circle id=\"disc\" cx=\"330\" cy=\"75\" r=\"36\" fill=\"#d9d9d9\" vx:fill=\"gray 0.15\" "
       "stroke=\"#333333\" vx:stroke=\"gray 0.8\" stroke-width=\"10\"/>"},
  };
}

std::vector<SampleObject> ArrowSource() {
  return {{"arrow",
           "<path id=\"arrow\" d=\"M200 62 L226 62 L226 54 L242 70 L226 86 L226 78 L200 78 Z\" fill=\"#ff8c42\" "
           "stroke=\"#3d348b\" stroke-width=\"2\" stroke-linejoin=\"round\"/>"}};
}

std::string PlainDocument(const std::vector<SampleObject>& objects) {
  std::string body;
  for (const SampleObject& object : objects) body += "  " + object.element + "\n";
  return Document(body);
}

std::string LiveDocument(const std::vector<SampleObject>& objects, const std::string& groupName,
                         const std::string& parameterText) {
  std::string body;
  for (const SampleObject& object : objects) {
    body += "  <g id=\"" + XmlEscape(object.liveId) + "\" vx:live=\"" + XmlEscape(groupName) +
            "\" vx:dataType=\"1\" vx:dataSubtype=\"0\" vx:data=\"" + XmlEscape(parameterText) + "\">\n";
    body += "    <g vx:role=\"edit\" display=\"none\">" + object.element + "</g>\n";
    body += "    <g vx:role=\"result\"/>\n  </g>\n";
  }
  return Document(body);
}

std::vector<SampleObject> ToolSampleObjects() {
  return {
      {"band-top", "<rect id=\"band-top\" x=\"40\" y=\"40\" width=\"180\" height=\"40\" fill=\"#e63946\"/>"},
      {"band-middle", "<rect id=\"band-middle\" x=\"40\" y=\"80\" width=\"180\" height=\"40\" fill=\"#f4d35e\"/>"},
      {"band-bottom", "<rect id=\"band-bottom\" x=\"40\" y=\"120\" width=\"180\" height=\"40\" fill=\"#2a9d8f\"/>"},
      {"wave",
       "<path id=\"wave\" d=\"M40 60 C70 30 100 90 130 60 S190 30 220 60\" fill=\"none\" stroke=\"#ffffff\" "
       "stroke-width=\"3\"/>"},
      {"ring",
       "<circle id=\"ring\" cx=\"85\" cy=\"110\" r=\"24\" fill=\"none\" stroke=\"#262626\" vx:stroke=\"gray 0.85\" "
       "stroke-width=\"6\"/>"},
      {"star", "<path id=\"star\" d=\"" + StarPath(165, 110, 32, 14) +
                   "\" fill=\"#1a75ff\" vx:fill=\"cmyk 0.9 0.3 0 0\" stroke=\"#000000\" vx:stroke=\"cmyk 0 0 0 1\" "
                   "stroke-width=\"2\" stroke-linejoin=\"round\"/>"},
  };
}

}  // namespace vxcli::gallery
