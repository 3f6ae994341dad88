// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flows of the document's commands are written as their steps in order, each step with what
// follows its answer; this gives the document's command files the steps of a Flow.
#include "document/Flow.h"

namespace tlv {

class DocumentFlow : public Flow {
  public:
    explicit DocumentFlow(Document& document) : Flow(document) {}

    using Flow::chooseFileToOpen;
    using Flow::chooseFileToSave;
    using Flow::finish;
    using Flow::OpenedFile;
    using Flow::refuse;
    using Flow::runTransfer;
    using Flow::SaveContent;
    using Flow::saveDocument;
    using Flow::settleUnsavedChanges;
    using Flow::show;
    using Flow::showNotices;
};

} // namespace tlv
