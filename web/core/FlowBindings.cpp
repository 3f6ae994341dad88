// SPDX-License-Identifier: GPL-3.0-or-later
// The flows of the document's commands for the page.
#include "TransferNames.h"
#include "WebDocument.h"
#include "WebFlow.h"
#include "WebValues.h"

#include <emscripten/bind.h>

#include <algorithm>

using emscripten::val;

namespace tlv::web {

namespace {

const char* stepKindName(StepKind kind) {
    switch (kind) {
    case StepKind::Show:
        return "show";
    case StepKind::ChooseFileToOpen:
        return "chooseFileToOpen";
    case StepKind::ChooseFileToSave:
        return "chooseFileToSave";
    case StepKind::Transfer:
        return "transfer";
    case StepKind::Done:
        break;
    }
    return "done";
}

const char* fileKindName(FileKind kind) {
    switch (kind) {
    case FileKind::Pdf:
        return "pdf";
    case FileKind::Exchange:
        return "exchange";
    case FileKind::ChannelData:
        break;
    }
    return "channelData";
}

template <typename Enum, std::size_t N>
Enum enumOf(const val& name, const char* const (&names)[N], Enum fallback) {
    if (!name.isString()) return fallback;
    const std::string text = name.as<std::string>();
    const auto found = std::find_if(std::begin(names), std::end(names),
                                    [&](const char* candidate) { return text == candidate; });
    return found == std::end(names) ? fallback : static_cast<Enum>(found - std::begin(names));
}

} // namespace

WebFlow::WebFlow(WebDocument& document, std::unique_ptr<Flow> flow)
    : document_(document), flow_(std::move(flow)) {}

val WebFlow::step() const {
    const Step& step = flow_->step();
    val out = val::object();
    out.set("kind", std::string(stepKindName(step.kind)));
    out.set("message", step.kind == StepKind::Show ? NoticeText(document_.language(), step.message)
                                                   : val::null());
    out.set("file", std::string(fileKindName(step.file)));
    out.set("suggestedName", step.suggestedName);
    if (step.kind == StepKind::Transfer) {
        val transfer = val::object();
        const bool write = step.transfer.direction == TransferDirection::Write;
        transfer.set("direction", std::string(write ? "write" : "read"));
        transfer.set("image", Bytes(step.transfer.image));
        transfer.set("serviceMode", step.transfer.serviceMode);
        out.set("transfer", transfer);
    } else {
        out.set("transfer", val::null());
    }
    out.set("completed", step.completed);
    out.set("declined", step.declined);
    return out;
}

void WebFlow::openContent(const std::string& name, const val& bytes) {
    const std::vector<uint8_t> content = BytesOf(bytes);
    flow_->openContent(name, std::string(content.begin(), content.end()));
}

val WebFlow::contentToSave(const std::string& name) const {
    return Bytes(flow_->contentToSave(name));
}

void WebFlow::transferEnded(const val& result) {
    TransferResult ended;
    ended.outcome = enumOf(result["outcome"], kTransferOutcomeNames, TransferOutcome::Stopped);
    const val failure = result["failure"];
    if (Given(failure)) {
        ended.failure.cause = enumOf(failure["cause"], kFailureCauseNames, FailureCause::None);
        ended.failure.direction = flow_->step().transfer.direction;
        ended.failure.dataPhase = failure["dataPhase"].isTrue();
        if (failure["blocksDone"].isNumber())
            ended.failure.blocksDone = failure["blocksDone"].as<int>();
        if (failure["blocksTotal"].isNumber())
            ended.failure.blocksTotal = failure["blocksTotal"].as<int>();
        if (failure["received"].isString())
            ended.failure.received = failure["received"].as<std::string>();
        if (failure["device"].isString())
            ended.failure.device = failure["device"].as<std::string>();
    }
    if (Given(result["image"])) {
        const std::vector<uint8_t> bytes = BytesOf(result["image"]);
        MemoryImage image{};
        if (bytes.size() == image.size()) {
            std::copy(bytes.begin(), bytes.end(), image.begin());
            ended.imageRead = image;
        }
    }
    flow_->transferEnded(ended);
}

} // namespace tlv::web

EMSCRIPTEN_BINDINGS(tlv6200_flow) {
    using namespace emscripten;
    using tlv::web::WebFlow;
    class_<WebFlow>("Flow")
        .function("step", &WebFlow::step)
        .function("answer", &WebFlow::answer)
        .function("openContent", &WebFlow::openContent)
        .function("contentToSave", &WebFlow::contentToSave)
        .function("fileSaved", &WebFlow::fileSaved)
        .function("fileNotSaved", &WebFlow::fileNotSaved)
        .function("cancel", &WebFlow::cancel)
        .function("transferEnded", &WebFlow::transferEnded);
}
