#pragma once

#include "cli/MessageOnlyView.h"
#include "document/SarvikWaveset.h"

#include <filesystem>
#include <ostream>
#include <string>

// A document loaded from FILE as the editor loads it, without a window: every message
// of the load goes to stderr and is counted.
class LoadedDocument {
  public:
    // Wavesets are looked up under `installDir`, as the editor does.
    LoadedDocument(const std::filesystem::path& file, const std::filesystem::path& installDir,
                   std::ostream& err);

    TSarvikWaveset& Document() { return document_; }
    int Messages() const { return view_.Count(); }
    // A message of the command's own, on stderr and counted as the load's are.
    void Report(const std::string& message) { view_.Report(message); }

  private:
    MessageOnlyView view_;
    TSarvikWaveset document_;
};
