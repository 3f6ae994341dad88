// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer for the page, as the JavaScript class Transfer: a TransferSession over images with
// the transfer's status line, driven by the page's bytes and timers (web/src/serial.ts). The
// page's host object puts the frames on the port and shows the status line, in the language in
// force it names. A write is handed the document's image; how a transfer ended (its outcome, what
// ended a failure, a read's image) goes back to the document's flow, which tells the user.
#include "TransferNames.h"
#include "WebValues.h"

#include "link/TransferSession.h"
#include "texts/TransferStatusLine.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using emscripten::val;

namespace tlv::web {

class WebTransfer : private TransferHost, private TransferLineView {
  public:
    explicit WebTransfer(val host) : host_(std::move(host)), session_(*this), statusLine_(*this) {}

    // A read, or a write of `image` (the document's 848 bytes) with the power-level block in
    // service mode. False while a transfer runs, and for a write without its image.
    bool start(const std::string& direction, const val& image, const val& serviceMode) {
        const TransferDirection chosen =
            direction == "write" ? TransferDirection::Write : TransferDirection::Read;
        MemoryImage memory{};
        if (chosen == TransferDirection::Write) {
            const std::vector<uint8_t> bytes =
                Given(image) ? BytesOf(image) : std::vector<uint8_t>();
            if (bytes.size() != memory.size()) return false;
            std::copy(bytes.begin(), bytes.end(), memory.begin());
        }
        if (!session_.start(chosen, memory, serviceMode.isTrue())) return false;
        statusLine_.started();
        return true;
    }
    // No to the band question of a write: nothing is sent; the question's text blinks in the
    // status line until the controls come back.
    void decline() {
        if (!session_.running()) statusLine_.declined();
    }
    void stop() { session_.stop(); }
    void onBytes(const val& data) {
        const std::vector<uint8_t> received = BytesOf(data);
        session_.onBytes(received);
        statusLine_.follow(session_);
    }
    void onSupervisionTick() { session_.onSupervisionTick(); }
    void onStatusTick() { statusLine_.tick(); }
    void onPortLost(const std::string& device) { session_.onPortLost(device); }
    bool running() const { return session_.running(); }
    bool supervisionTimerOn() const { return session_.supervisionTimerOn(); }
    bool statusTimerOn() const { return statusLine_.ticking(); }

    // How the last transfer ended, as the document's flow takes it: the outcome, what ended a
    // failure, a complete read's image.
    val end() const {
        val out = val::object();
        const TransferOutcome outcome = session_.outcome().value_or(TransferOutcome::Stopped);
        out.set("outcome", std::string(kTransferOutcomeNames[static_cast<int>(outcome)]));
        const TransferFailure& failure = session_.failure();
        if (failure.cause != FailureCause::None) {
            val cause = val::object();
            cause.set("cause", std::string(kFailureCauseNames[static_cast<int>(failure.cause)]));
            cause.set("dataPhase", failure.dataPhase);
            cause.set("blocksDone", failure.blocksDone);
            cause.set("blocksTotal", failure.blocksTotal);
            cause.set("received", failure.received);
            cause.set("device", failure.device);
            out.set("failure", cause);
        }
        if (const auto& image = session_.imageRead()) out.set("image", Bytes(*image));
        return out;
    }

  private:
    // The session's host: the wire (the supervision runs on the page's timer while
    // supervisionTimerOn()), the backups' images and the end.
    void sendBytes(std::span<const uint8_t> frame) override {
        host_.call<void>("sendBytes", Bytes(frame));
    }
    void setSupervisionTimer(bool) override {}
    void transferEnded(TransferOutcome outcome) override {
        statusLine_.follow(session_);
        statusLine_.ended(outcome, session_.direction(), [this, outcome] {
            call("transferEnded", std::string(kTransferOutcomeNames[static_cast<int>(outcome)]));
        });
    }
    void imageAboutToBeWritten(const MemoryImage& image) override {
        call("imageAboutToBeWritten", Bytes(image));
    }
    void imageRead(const MemoryImage& image) override { call("imageRead", Bytes(image)); }

    // The status line's view: the status tick runs on the page's timer while statusTimerOn().
    void setStatusTimer(bool) override {}
    void setStatusText(const LocalText& text) override {
        call("setStatusText", Localise(language(), text));
    }
    void setStatusVisible(bool visible) override { call("setStatusVisible", visible); }
    void setProgress(bool visible, int value) override {
        if (has("setProgress")) host_.call<void>("setProgress", visible, value);
    }
    void setTransferControlsEnabled(bool enabled) override {
        call("setTransferControlsEnabled", enabled);
    }

    Language language() const { return LanguageOfCode(host_.call<std::string>("language")); }
    bool has(const char* member) const {
        return host_[member].typeOf().as<std::string>() == "function";
    }
    template <typename T> void call(const char* member, const T& argument) {
        if (has(member)) host_.call<void>(member, argument);
    }

    val host_;
    TransferSession session_;
    TransferStatusLine statusLine_;
};

} // namespace tlv::web

EMSCRIPTEN_BINDINGS(tlv6200_transfer) {
    using namespace emscripten;
    using tlv::web::WebTransfer;
    class_<WebTransfer>("Transfer")
        .constructor<val>()
        .function("start", &WebTransfer::start)
        .function("decline", &WebTransfer::decline)
        .function("stop", &WebTransfer::stop)
        .function("onBytes", &WebTransfer::onBytes)
        .function("onSupervisionTick", &WebTransfer::onSupervisionTick)
        .function("onStatusTick", &WebTransfer::onStatusTick)
        .function("onPortLost", &WebTransfer::onPortLost)
        .function("running", &WebTransfer::running)
        .function("supervisionTimerOn", &WebTransfer::supervisionTimerOn)
        .function("statusTimerOn", &WebTransfer::statusTimerOn)
        .function("end", &WebTransfer::end);
}
