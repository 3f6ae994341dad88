// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer session for the page (JavaScript class Transfer), driven by the page's bytes and
// timers (web/src/serial.ts).
#include "WebDocument.h"
#include "WebValues.h"

#include "link/TransferSession.h"

#include <emscripten/bind.h>

using emscripten::val;

namespace tlv::web {

// The session's host: everything goes to the page's object; the band question was asked by the
// page before the start (the answer is handed in with it).
class WebTransferHost : public TransferHost {
  public:
    WebTransferHost(WebDocument& editor, val host) : editor_(editor), host_(std::move(host)) {}

    bool bandAnswer = true;

    bool portIsOpen() const override { return true; }
    void sendBytes(std::span<const uint8_t> frame) override {
        host_.call<void>("sendBytes", Bytes(frame));
    }
    void setSupervisionTimer(bool) override {}
    void setStatusTimer(bool) override {}
    void tell(const Notice& notice) override {
        if (has("tell")) host_.call<void>("tell", NoticeText(editor_.language(), notice));
    }
    bool confirmBandMismatch() override { return bandAnswer; }
    void setStatusText(const std::string& text) override {
        if (has("setStatusText")) host_.call<void>("setStatusText", text);
    }
    void setStatusVisible(bool visible) override {
        if (has("setStatusVisible")) host_.call<void>("setStatusVisible", visible);
    }
    void setProgress(bool visible, int value) override {
        if (has("setProgress")) host_.call<void>("setProgress", visible, value);
    }
    void setTransferControlsEnabled(bool enabled) override {
        if (has("setTransferControlsEnabled"))
            host_.call<void>("setTransferControlsEnabled", enabled);
    }
    void transferEnded(TransferOutcome outcome) override {
        if (outcome == TransferOutcome::Success && ended_direction_ == TransferDirection::Read) {
            editor_.document().matchFile({});
            editor_.document().recordStep();
        }
        static constexpr const char* kOutcomes[] = {"success", "communicationError", "declined",
                                                    "stopped"};
        if (has("transferEnded"))
            host_.call<void>("transferEnded", std::string(kOutcomes[static_cast<int>(outcome)]));
    }
    void imageAboutToBeWritten(const MemoryImage& image) override {
        if (has("imageAboutToBeWritten")) host_.call<void>("imageAboutToBeWritten", Bytes(image));
    }
    void imageRead(const MemoryImage& image) override {
        if (has("imageRead")) host_.call<void>("imageRead", Bytes(image));
    }

    TransferDirection ended_direction_ = TransferDirection::Read;

  private:
    bool has(const char* member) const {
        return host_[member].typeOf().as<std::string>() == "function";
    }

    WebDocument& editor_;
    val host_;
};

class WebTransfer {
  public:
    WebTransfer(WebDocument& editor, val host)
        : host_(editor, std::move(host)), session_(editor.document().state(), host_),
          editor_(editor) {}

    bool needsBandQuestion() const { return session_.agreedBand() != editor_.state().radio().band; }
    bool start(const std::string& direction, const val& bandAnswer) {
        host_.bandAnswer = bandAnswer.isUndefined() || bandAnswer.isTrue();
        const TransferDirection chosen =
            direction == "write" ? TransferDirection::Write : TransferDirection::Read;
        host_.ended_direction_ = chosen;
        return session_.start(chosen);
    }
    void stop() { session_.stop(); }
    void onBytes(const val& data) {
        const std::vector<uint8_t> received = BytesOf(data);
        session_.onBytes(received);
    }
    void onSupervisionTick() { session_.onSupervisionTick(); }
    void onStatusTick() { session_.onStatusTick(); }
    void onPortLost(const std::string& device) { session_.onPortLost(device); }
    bool running() const { return session_.running(); }
    bool supervisionTimerOn() const { return session_.supervisionTimerOn(); }
    bool statusTimerOn() const { return session_.statusTimerOn(); }
    std::string failureText() const {
        if (session_.lastFailure().cause == FailureCause::None) return {};
        return DescribeFailure(session_.lastFailure(), editor_.language());
    }
    std::string failureCause() const {
        static constexpr const char* kCauses[] = {"none",    "noAnswer", "unexpectedIdentification",
                                                  "stopped", "portLost", "timeLimit"};
        return kCauses[static_cast<int>(session_.lastFailure().cause)];
    }

  private:
    WebTransferHost host_;
    TransferSession session_;
    WebDocument& editor_;
};

} // namespace tlv::web

EMSCRIPTEN_BINDINGS(tlv6200_transfer) {
    using namespace emscripten;
    using tlv::web::WebDocument;
    using tlv::web::WebTransfer;
    class_<WebTransfer>("Transfer")
        .constructor<WebDocument&, val>()
        .function("needsBandQuestion", &WebTransfer::needsBandQuestion)
        .function("start", &WebTransfer::start)
        .function("stop", &WebTransfer::stop)
        .function("onBytes", &WebTransfer::onBytes)
        .function("onSupervisionTick", &WebTransfer::onSupervisionTick)
        .function("onStatusTick", &WebTransfer::onStatusTick)
        .function("onPortLost", &WebTransfer::onPortLost)
        .function("running", &WebTransfer::running)
        .function("supervisionTimerOn", &WebTransfer::supervisionTimerOn)
        .function("statusTimerOn", &WebTransfer::statusTimerOn)
        .function("failureText", &WebTransfer::failureText)
        .function("failureCause", &WebTransfer::failureCause);
}
