// A drawing for benchmarks of the plug-in's code linked into the program: an
// in-process host whose suites that code holds, and a document of paths that
// a benchmark puts back as they were before each run.
#pragma once

#include <memory>
#include <vector>

#include "document/document.h"
#include "frame/suite_set.h"
#include "host.h"

namespace vxbench {

class BenchDrawing {
 public:
  BenchDrawing() : host(Quiet()) {
    vx::suites::gBasic = host.basicSuite();
    vx::SuiteSet::Nesting() = 0;
    suites = std::make_unique<vx::SuiteSet>(vx::BootstrapSuiteTable(), vx::ImportSuiteTable());
    vx::SuiteSet::Nesting() = 1;
    document = &host.OpenDocument(std::make_unique<vxhost::Document>());
  }
  ~BenchDrawing() { suites->Release(); }
  BenchDrawing(const BenchDrawing&) = delete;
  BenchDrawing& operator=(const BenchDrawing&) = delete;

  // A path of the segments at the bottom of the current layer.
  vxhost::Art* AddPath(std::vector<ai::SegRecord> segments, bool closed) {
    vxhost::Art* path = document->NewArt(ai::art_kind::kPath);
    path->segments = std::move(segments);
    path->closed = closed;
    document->Insert(path, ai::placement::kInsideAtBottom, document->currentLayer()->group);
    paths.push_back(path);
    originals.push_back(path->segments);
    return path;
  }
  void Restore() {
    for (size_t i = 0; i < paths.size(); ++i) paths[i]->segments = originals[i];
  }

  vxhost::Host host;
  std::unique_ptr<vx::SuiteSet> suites;
  vxhost::Document* document = nullptr;
  std::vector<vxhost::Art*> paths;
  std::vector<std::vector<ai::SegRecord>> originals;

 private:
  static vxhost::HostOptions Quiet() {
    vxhost::HostOptions options;
    options.echoAlerts = false;
    return options;
  }
};

}  // namespace vxbench
