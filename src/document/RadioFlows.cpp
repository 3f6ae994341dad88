// SPDX-License-Identifier: GPL-3.0-or-later
// The document's commands with the radio and the band: a band change, a read, a write, and the
// end of the program, as flows.
#include "document/Document.h"
#include "document/DocumentFlow.h"
#include "document/EditorImage.h"
#include "document/TransferFailureText.h"
#include "image/ImageCodec.h"

#include <utility>

namespace tlv {

std::unique_ptr<Flow> Document::selectBand(int index) {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    if (!dataMayChange()) {
        f.finish(false);
        return flow;
    }
    const BandChange change = BandSelected(state_, index);
    if (change != BandChange::Ask) {
        recordStep();
        f.finish(change != BandChange::Ignored);
        return flow;
    }
    bool channelsInUse = false;
    for (int channel = 1; channel <= kChannelCount; ++channel)
        channelsInUse = channelsInUse || state_.radio().inUse(channel);
    if (!channelsInUse) {
        // Nothing to clear: the band changes without a question, and the next step through the
        // list is compared with it.
        BandDropDownOpened(state_);
        recordStep();
        f.finish(true);
        return flow;
    }
    f.show(msg::BandChange, {}, [this, &f](int button) {
        AnswerBandQuestion(state_, button == IdOk);
        recordStep();
        f.finish(true);
    });
    return flow;
}

std::unique_ptr<Flow> Document::read() {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    f.settleUnsavedChanges(msg::SaveChanges, [this, &f](bool goOn, bool) {
        if (!goOn) return f.finish(false);
        f.runTransfer({TransferDirection::Read, {}, false}, [this, &f](const TransferResult& end) {
            if (end.outcome == TransferOutcome::CommunicationError)
                return f.refuse(msg::CommunicationError, DescribeFailure(end.failure, language()));
            if (end.outcome != TransferOutcome::Success || !end.imageRead) return f.finish(false);
            // The editor holds the radio's memory, the band of its image included: that is what
            // it now matches.
            std::vector<Notice> notices = LoadImage(state_, *end.imageRead);
            matchFile({});
            recordStep();
            f.showNotices(std::move(notices), [&f] { f.finish(true); });
        });
    });
    return flow;
}

std::unique_ptr<Flow> Document::write() {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    const auto transfer = [this, &f] {
        // The image of the editor now: nothing may change it while the transfer runs.
        f.runTransfer({TransferDirection::Write, EncodeImage(state_.radio()), serviceMode()},
                      [this, &f](const TransferResult& end) {
                          if (end.outcome == TransferOutcome::CommunicationError)
                              return f.refuse(msg::CommunicationError,
                                              DescribeFailure(end.failure, language()));
                          f.finish(end.outcome == TransferOutcome::Success);
                      });
    };
    // The band question comes before anything is sent, once for each band the list is set to:
    // the agreed band is the band of the last answer, Yes or No.
    const auto askBand = [this, &f, transfer] {
        const int band = state_.radio().band;
        if (!bandAgreement_.asks(band)) return transfer();
        bandAgreement_.answered(band);
        f.show(msg::BandMismatch, {}, [&f, transfer](int button) {
            if (button == IdNo) return f.finish(false, true);
            transfer();
        });
    };
    // Channels the band does not hold are listed first, and Cancel sends nothing.
    const std::string outside = ChannelsOutsideBand(state_.radio());
    if (outside.empty()) {
        askBand();
        return flow;
    }
    f.show(msg::WriteOutsideBand, outside, [&f, askBand](int button) {
        if (button != IdOk) return f.finish(false);
        askBand();
    });
    return flow;
}

std::unique_ptr<Flow> Document::quit(std::optional<TransferDirection> running) {
    auto flow = std::make_unique<DocumentFlow>(*this);
    DocumentFlow& f = *flow;
    const auto settle = [&f] {
        f.settleUnsavedChanges(msg::SaveChanges, [&f](bool goOn, bool) { f.finish(goOn); });
    };
    if (!running) {
        settle();
        return flow;
    }
    const bool writing = *running == TransferDirection::Write;
    f.show(writing ? msg::StopWriteAndQuit : msg::StopReadAndQuit, {}, [&f, settle](int button) {
        if (button != IdYes) return f.finish(false);
        settle();
    });
    return flow;
}

} // namespace tlv
