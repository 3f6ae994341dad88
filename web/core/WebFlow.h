// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A command's flow for the page (JavaScript class Flow): its step as a plain object with the
// message in the language in force, and the answers. The page runs it (web/src/flow-runner.ts)
// and deletes it once it is done.
#include "document/Flow.h"

#include <emscripten/val.h>

#include <memory>
#include <string>

namespace tlv::web {

class WebDocument;

class WebFlow {
  public:
    WebFlow(WebDocument& document, std::unique_ptr<Flow> flow);

    // {kind, message, file, suggestedName, transfer: {direction, image, serviceMode},
    //  completed, declined}
    emscripten::val step() const;
    void answer(int button) { flow_->answer(button); }
    void openContent(const std::string& name, const emscripten::val& bytes);
    emscripten::val contentToSave(const std::string& name) const;
    void fileSaved(const std::string& name) { flow_->fileSaved(name); }
    void fileNotSaved(const std::string& reason) { flow_->fileNotSaved(reason); }
    void cancel() { flow_->cancel(); }
    // {outcome, failure: {cause, dataPhase, blocksDone, blocksTotal, received, device},
    //  image}, as the page's transfer ended.
    void transferEnded(const emscripten::val& result);

  private:
    WebDocument& document_;
    std::unique_ptr<Flow> flow_;
};

} // namespace tlv::web
