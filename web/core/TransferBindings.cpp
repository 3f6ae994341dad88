// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer for the page, as the JavaScript class Transfer: a TransferSession over images with
// the transfer's status line and the band question's agreement, driven by the page's bytes and
// timers (web/src/serial.ts). The page's host object puts the frames on the port and shows the
// status line; it names the language in force, in which the status texts and the failure's lines
// come. A write is handed the editor's image; a read hands its image back. web/src/core-api.ts
// declares what it offers.
#include "document/BandAgreement.h"
#include "document/TransferFailureText.h"
#include "link/TransferSession.h"
#include "texts/TransferStatusLine.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <utility>
#include <vector>

using emscripten::val;

namespace tlv {

namespace {

Language languageOfCode(const std::string& code) {
    if (code == "en") return Language::English;
    if (code == "zh-TW") return Language::Traditional;
    return Language::Simplified;
}

val byteArray(std::span<const uint8_t> data) {
    val array = val::global("Uint8Array").new_(data.size());
    array.call<void>("set", val(emscripten::typed_memory_view(data.size(), data.data())));
    return array;
}

const char* outcomeName(TransferOutcome outcome) {
    switch (outcome) {
    case TransferOutcome::Success:
        return "success";
    case TransferOutcome::CommunicationError:
        return "communicationError";
    case TransferOutcome::Declined:
        return "declined";
    case TransferOutcome::Stopped:
        break;
    }
    return "stopped";
}

} // namespace

class WebTransfer : private TransferHost, private TransferLineView {
  public:
    explicit WebTransfer(val host) : host_(std::move(host)), session_(*this), statusLine_(*this) {}

    // The band question of a write to a list set to `band`: whether it is due, and that it was
    // answered (Yes or No; a No is followed by decline()).
    bool needsBandQuestion(int band) const { return agreement_.asks(band); }
    void bandQuestionAnswered(int band) { agreement_.answered(band); }
    // No to the band question: nothing is sent; the question's text blinks in the status line.
    void decline() {
        if (session_.running()) return;
        statusLine_.declined();
        call("transferEnded", std::string(outcomeName(TransferOutcome::Declined)));
    }

    // A read, or a write of `image` (the editor's 848 bytes). False while a transfer runs, and
    // for a write without its image.
    bool start(const std::string& direction, const val& image, const val& serviceMode) {
        const TransferDirection chosen =
            direction == "write" ? TransferDirection::Write : TransferDirection::Read;
        MemoryImage memory{};
        if (chosen == TransferDirection::Write) {
            if (image.isUndefined() || image.isNull()) return false;
            const std::vector<uint8_t> bytes =
                emscripten::convertJSArrayToNumberVector<uint8_t>(image);
            if (bytes.size() != memory.size()) return false;
            std::copy(bytes.begin(), bytes.end(), memory.begin());
        }
        if (!session_.start(chosen, memory, serviceMode.isTrue())) return false;
        statusLine_.started();
        return true;
    }
    void stop() { session_.stop(); }
    void onBytes(const val& data) {
        const std::vector<uint8_t> received =
            emscripten::convertJSArrayToNumberVector<uint8_t>(data);
        session_.onBytes(received);
        statusLine_.follow(session_);
    }
    void onSupervisionTick() { session_.onSupervisionTick(); }
    void onStatusTick() { statusLine_.tick(); }
    void onPortLost(const std::string& device) { session_.onPortLost(device); }
    bool running() const { return session_.running(); }
    bool supervisionTimerOn() const { return session_.supervisionTimerOn(); }
    bool statusTimerOn() const { return statusLine_.ticking(); }
    // The image of the last complete read, or null.
    val lastImageRead() const {
        const auto& image = session_.imageRead();
        return image ? byteArray(*image) : val::null();
    }
    std::string failureText() const { return DescribeFailure(session_.failure(), language()); }
    std::string failureCause() const {
        static constexpr const char* kCauses[] = {"none",    "noAnswer", "unexpectedIdentification",
                                                  "stopped", "portLost", "timeLimit"};
        return kCauses[static_cast<int>(session_.failure().cause)];
    }

  private:
    // The session's host: the wire (the supervision runs on the page's timer while
    // supervisionTimerOn()), the backups' images and the end, which the page tells the user of.
    void sendBytes(std::span<const uint8_t> frame) override {
        host_.call<void>("sendBytes", byteArray(frame));
    }
    void setSupervisionTimer(bool) override {}
    void transferEnded(TransferOutcome outcome) override {
        statusLine_.follow(session_);
        statusLine_.ended(outcome, session_.direction(), [this, outcome] {
            call("transferEnded", std::string(outcomeName(outcome)));
        });
    }
    void imageAboutToBeWritten(const MemoryImage& image) override {
        call("imageAboutToBeWritten", byteArray(image));
    }
    void imageRead(const MemoryImage& image) override { call("imageRead", byteArray(image)); }

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

    Language language() const { return languageOfCode(host_.call<std::string>("language")); }
    bool has(const char* member) const {
        return host_[member].typeOf().as<std::string>() == "function";
    }
    template <typename T> void call(const char* member, const T& argument) {
        if (has(member)) host_.call<void>(member, argument);
    }

    val host_;
    TransferSession session_;
    TransferStatusLine statusLine_;
    BandAgreement agreement_;
};

// The transfer's numbers the page runs its timers and progress bar by.
val transferConstants() {
    val constants = val::object();
    constants.set("progressMaximum", kProgressMaximum);
    constants.set("supervisionIntervalMs", kSupervisionIntervalMs);
    constants.set("statusIntervalMs", kStatusIntervalMs);
    return constants;
}

} // namespace tlv

EMSCRIPTEN_BINDINGS(tlv6200_transfer) {
    using namespace emscripten;
    using tlv::WebTransfer;
    class_<WebTransfer>("Transfer")
        .constructor<val>()
        .function("needsBandQuestion", &WebTransfer::needsBandQuestion)
        .function("bandQuestionAnswered", &WebTransfer::bandQuestionAnswered)
        .function("decline", &WebTransfer::decline)
        .function("start", &WebTransfer::start)
        .function("stop", &WebTransfer::stop)
        .function("onBytes", &WebTransfer::onBytes)
        .function("onSupervisionTick", &WebTransfer::onSupervisionTick)
        .function("onStatusTick", &WebTransfer::onStatusTick)
        .function("onPortLost", &WebTransfer::onPortLost)
        .function("running", &WebTransfer::running)
        .function("supervisionTimerOn", &WebTransfer::supervisionTimerOn)
        .function("statusTimerOn", &WebTransfer::statusTimerOn)
        .function("imageRead", &WebTransfer::lastImageRead)
        .function("failureText", &WebTransfer::failureText)
        .function("failureCause", &WebTransfer::failureCause);
    function("transferConstants", &tlv::transferConstants);
}
