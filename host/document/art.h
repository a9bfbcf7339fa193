// Art objects of the substitute host's documents. An Art is one node of the art
// tree: a group, path, compound path, text-like art, styled art, live object
// (plugin group), container, or opaque art kept for what it is. Handles given
// to the plug-in are Art pointers; the document checks them before use.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/dictionary.h"
#include "frame/host/art_records.h"
#include "frame/host/suites.h"

namespace vxhost {

struct Layer;

// What an SVG element carried that the art model has no place for, kept so that
// writing gives it back.
struct SvgExtras {
  std::string id;
  // The element's name when the art kind alone does not say it (a container is
  // an <a> or a <switch>); empty otherwise.
  std::string element;
  // Attributes not understood, verbatim and in order (qualified names).
  std::vector<std::pair<std::string, std::string>> attributes;
  // Declarations of the style attribute that were not understood, verbatim.
  std::string residualStyle;
  double fillOpacity = 1.0;
  double strokeOpacity = 1.0;
  // The user space (into SVG root space, y down) in which the kept attributes
  // that refer to other elements by their own coordinates (filter, mask, a kept
  // clip-path) were declared. The art's own coordinates are baked into root
  // space; writing puts those references back into this space.
  ai::RealMatrix space{1, 0, 0, 1, 0, 0};
};

// The live-object part of a plugin group (kind 10). Art that carries a live
// effect is a live object too: its effect's name instead of a group name, the
// effect's parameters and what the effect keeps beside them.
struct LiveData {
  std::string groupName;  // the plugin group's registered name
  std::string description;
  int32_t dataType = -1;  // the stored block's type and sub-type; -1 when nothing is stored
  int32_t dataSubtype = -1;
  std::string data;       // the stored block

  std::string effectName;  // the live effect's registered name; empty for a plugin group
  Dictionary parameters;
  Dictionary instance;
  bool IsLiveEffect() const { return !effectName.empty(); }
};

class Art {
 public:
  explicit Art(int16_t kind) : kind(kind) {}

  int16_t kind;

  // Tree links. A layer's group has no parent.
  Art* parent = nullptr;
  Art* firstChild = nullptr;
  Art* lastChild = nullptr;
  Art* prior = nullptr;
  Art* next = nullptr;

  int32_t userAttributes = 0;  // ai::art_attr bits
  double opacity = 1.0;
  std::map<std::string, std::string> tags;  // "string" tags by name
  SvgExtras svg;

  // Paths (kind 2): segments and closed flag; paths and styled art carry a style.
  std::vector<ai::SegRecord> segments;
  bool closed = false;
  ai::PathStyle style{};

  // Groups (kind 1): the first child clips the rest when set.
  bool clipped = false;

  // Text-like, styled and opaque art (kinds 4, 8, 9, 0): the element as it was
  // read, verbatim, and the matrix from its own space into SVG user space
  // (y down). Presentation attributes it inherited when it was read are kept in
  // `inheritedStyle` (a style attribute's text) and given back on writing.
  std::string verbatim;
  ai::RealMatrix matrix{1, 0, 0, 1, 0, 0};
  std::string inheritedStyle;

  // Live objects (kind 10).
  std::unique_ptr<LiveData> live;
  Art* editGroup = nullptr;    // owned by the document like every art
  Art* resultGroup = nullptr;

  Layer* layer = nullptr;  // set on a layer's group only

  bool hidden() const { return (userAttributes & ai::art_attr::kHidden) != 0; }
  bool selected() const { return (userAttributes & ai::art_attr::kSelected) != 0; }

  // Children in order, for reading code.
  std::vector<Art*> Children() const;
};

struct Layer {
  std::string title;
  bool visible = true;
  bool editable = true;
  // True for the layer made for art that SVG gave outside any layer: writing puts
  // its art directly under the root element again.
  bool implicit = false;
  Art* group = nullptr;
  SvgExtras svg;
};

// Gradients of the document; colour records of kind 4 refer to them.
struct Gradient {
  std::string name;
  int16_t type = 0;  // ai::gradient_type
  std::vector<ai::GradientStop> stops;
  // The geometry SVG gave it, in its own units, kept for writing back.
  struct Svg {
    bool objectBoundingBox = true;
    double x1 = 0, y1 = 0, x2 = 1, y2 = 0;          // linear
    double cx = 0.5, cy = 0.5, r = 0.5, fx = 0.5, fy = 0.5;  // radial
    std::string spreadMethod;                         // empty: pad
    ai::RealMatrix transform{1, 0, 0, 1, 0, 0};
    std::vector<std::pair<std::string, std::string>> attributes;  // others, verbatim
  } svg;
};

// Patterns are kept as written; colour records of kind 2 refer to them.
struct Pattern {
  std::string name;
  std::string verbatim;
};

// Global and spot colours with their process equivalent.
struct CustomColor {
  std::string name;
  bool spot = true;
  int32_t kind = 0;  // ai::custom_color_kind: four-colour or three-colour
  double components[4] = {0, 0, 0, 0};
};

}  // namespace vxhost
