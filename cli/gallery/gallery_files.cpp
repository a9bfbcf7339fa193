#include "gallery/gallery_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "document/document.h"

namespace vxcli::gallery {
namespace {

void AddArt(const vxhost::Art* art, Box& box);

void AddChildren(const vxhost::Art* parent, Box& box) {
  if (parent == nullptr) return;
  for (const vxhost::Art* child = parent->firstChild; child != nullptr; child = child->next) AddArt(child, box);
}

void AddArt(const vxhost::Art* art, Box& box) {
  if (art->hidden()) return;
  switch (art->kind) {
    case ai::art_kind::kPath: {
      // The full width, not half, leaves room for mitred corners.
      const double pad = art->style.strokePaint != 0 ? art->style.strokeWidth : 0;
      for (const ai::SegRecord& segment : art->segments)
        for (const ai::RealPoint& p : {segment.anchor, segment.in, segment.out}) {
          box.Add(p.x - pad, -p.y - pad);
          box.Add(p.x + pad, -p.y + pad);
        }
      break;
    }
    case ai::art_kind::kPluginGroup:
      AddChildren(art->resultGroup, box);
      break;
    default:
      AddChildren(art, box);
  }
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

}  // namespace

void Box::Add(double x, double y) {
  if (empty) {
    left = right = x;
    top = bottom = y;
    empty = false;
    return;
  }
  left = std::min(left, x);
  right = std::max(right, x);
  top = std::min(top, y);
  bottom = std::max(bottom, y);
}

void Box::Add(const Box& other) {
  if (other.empty) return;
  Add(other.left, other.top);
  Add(other.right, other.bottom);
}

Box VisibleBounds(const vxhost::Document& document) {
  Box box;
  for (const auto& layer : document.layers())
    if (layer->visible) AddChildren(layer->group, box);
  return box;
}

void SetCanvas(vxhost::Document& document, const Box& box, double margin) {
  Box canvas = box;
  if (canvas.empty) canvas.Add(0, 0);
  const double x = std::floor(canvas.left - margin), y = std::floor(canvas.top - margin);
  const double width = std::ceil(canvas.right + margin) - x, height = std::ceil(canvas.bottom + margin) - y;
  auto& attributes = document.svg.rootAttributes;
  attributes.erase(std::remove_if(attributes.begin(), attributes.end(),
                                  [](const auto& attribute) {
                                    return attribute.first == "viewBox" || attribute.first == "width" ||
                                           attribute.first == "height";
                                  }),
                   attributes.end());
  attributes.emplace_back("width", Number(width));
  attributes.emplace_back("height", Number(height));
  attributes.emplace_back("viewBox", Number(x) + " " + Number(y) + " " + Number(width) + " " + Number(height));
}

RenderResult RenderPng(const std::string& svgPath, const std::string& pngPath, const std::string& background,
                       double zoom) {
  return render::RunRsvgConvert({"-b", background, "-z", Number(zoom)}, svgPath, pngPath);
}

void WriteTextFile(const std::string& path, const std::string& text) {
  const std::string partial = path + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(partial, ignored);
      throw std::runtime_error(path + ": cannot write");
    }
  }
  std::error_code error;
  std::filesystem::rename(partial, path, error);
  if (error) {
    std::filesystem::remove(partial, error);
    throw std::runtime_error(path + ": cannot write");
  }
}

}  // namespace vxcli::gallery
