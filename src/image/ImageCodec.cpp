// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ImageCodec.h"

#include "image/ImageFields.h"
#include "image/ImageLayout.h"
#include "radio/Bands.h"

#include <algorithm>

namespace tlv {

namespace {

uint8_t clampByte(long long value) {
    return static_cast<uint8_t>(std::clamp<long long>(value, 0, 255));
}

std::array<uint8_t, 4> frequencyCode(const std::optional<Frequency>& frequency) {
    if (!frequency) return {0xFF, 0xFF, 0xFF, 0xFF};
    uint32_t tens = frequency->tens;
    std::array<uint8_t, 4> code{};
    for (uint8_t& byte : code) {
        byte = static_cast<uint8_t>(tens % 10 | (tens / 10 % 10) << 4);
        tens /= 100;
    }
    return code;
}

uint16_t toneCode(Tone tone) {
    switch (tone.kind) {
    case Tone::Kind::Off:
        return 0xFFFF;
    case Tone::Kind::Ctcss:
        return tone.value;
    case Tone::Kind::Dcs:
        return static_cast<uint16_t>((tone.inverted ? 0xA800 : 0x2800) | (tone.value & 0x1FF));
    }
    return 0xFFFF;
}

Tone toneOfCode(uint16_t code) {
    if (code == 0xFFFF) return Tone::Off();
    const int discriminator = code >> 12;
    if (discriminator == 0x2 || discriminator == 0xA)
        return Tone::Dcs(code & 0x1FF, discriminator == 0xA);
    return Tone::Ctcss(code);
}

uint8_t bandCode(int band) {
    return IsBand(band) ? kBands[static_cast<std::size_t>(band)].code : 0xFF;
}

// The image of a blank editor before any field is written: fill bytes everywhere.
class ImageWriter {
  public:
    explicit ImageWriter(MemoryImage& image) : image_(image) { image_.fill(0xFF); }

    void channel(int at, const Channel& channel, int) {
        put4(at, frequencyCode(channel.rx));
        put4(at + 4, frequencyCode(channel.tx));
        word(at + 8, toneCode(channel.rxTone));
        word(at + 10, toneCode(channel.txTone));
        image_[at + 12] = channel.forbid == TransmitForbid::Off ? 0xF0 : 0xF8;
        image_[at + 13] = static_cast<uint8_t>(0xC0 | (channel.power == Power::High ? 0x20 : 0) |
                                               (channel.bandwidth == Bandwidth::Wide ? 0x10 : 0));
        image_[at + 14] = 0xFC;
        image_[at + 15] = 0xFF;
    }
    void list(ListByte field, int value) { image_[field.offset] = clampByte(value); }
    void byte(int at, int value) { image_[at] = clampByte(value); }
    void timeOut(int at, int position) { image_[at] = clampByte(position + 1LL); }
    void check(int at, bool on) { image_[at] = on ? 1 : 0; }
    void duplicate(int at, int position) { image_[at] = position == 1 ? 0xFF : 0xFE; }
    void revertTime(int at, int position) {
        image_[at] = position == 0 ? 0xFF : clampByte(position);
    }
    void priorityChannel(int at, int channel) { image_[at] = clampByte(channel); }
    void delay(int at, const std::optional<uint16_t>& seconds) { word(at, seconds.value_or(0)); }
    void firstDigitDelay(int at, int milliseconds) { image_[at] = clampByte(milliseconds / 10); }
    // The first digit of the code's decimal form (a minus sign for a negative one).
    void groupCallCode(int at, int code) {
        if (code == 0)
            image_[at] = 0;
        else if (code < 0)
            image_[at] = '-';
        else {
            while (code >= 10)
                code /= 10;
            image_[at] = static_cast<uint8_t>('0' + code);
        }
    }
    void text(int at, int width, const std::string& text, bool) {
        imagefield::WriteTextBytes(text, &image_[at], width);
    }
    void dtmfMemory(int at, const std::string& memory) {
        imagefield::WriteTextBytes(memory, &image_[at], 16);
        std::replace(&image_[at], &image_[at] + 16, uint8_t{'0'}, uint8_t{0x3A});
    }
    void scanBits(int at, const std::array<Channel, kChannelCount>& channels) {
        image_[at] = image_[at + 1] = 0;
        for (int n = 0; n < kChannelCount; ++n)
            if (channels[n].inUse() && channels[n].scan) image_[at + n / 8] |= 1 << (n % 8);
    }
    void testFrequency(int at, const TestFrequency& test, int) {
        put4(at, frequencyCode(test.rx));
        put4(at + 4, frequencyCode(test.tx));
    }
    void band(int at, int band) { image_[at] = bandCode(band); }
    void constant(int at, std::string_view bytes) {
        std::copy(bytes.begin(), bytes.end(), image_.begin() + at);
    }

  private:
    void put4(int at, const std::array<uint8_t, 4>& bytes) {
        std::copy(bytes.begin(), bytes.end(), image_.begin() + at);
    }
    void word(int at, long long value) {
        const auto clamped = static_cast<uint16_t>(std::clamp<long long>(value, 0, 65535));
        image_[at] = static_cast<uint8_t>(clamped & 0xFF);
        image_[at + 1] = static_cast<uint8_t>(clamped >> 8);
    }

    MemoryImage& image_;
};

class ImageReader {
  public:
    explicit ImageReader(const MemoryImage& image) : image_(image) {}

    std::vector<DamagedField> damaged;

    void channel(int at, Channel& channel, int number) {
        const auto rx = frequency(at, DamagedField::Kind::ChannelReceive, number);
        if (!rx) {
            channel = Channel{};
            return;
        }
        channel.rx = rx;
        channel.tx = frequency(at + 4, DamagedField::Kind::ChannelTransmit, number);
        channel.rxTone = toneOfCode(word(at + 8));
        channel.txTone = toneOfCode(word(at + 10));
        channel.forbid =
            (image_[at + 12] >> 3) & 1 ? TransmitForbid::OnCarrier : TransmitForbid::Off;
        channel.bandwidth = (image_[at + 13] >> 4) & 1 ? Bandwidth::Wide : Bandwidth::Narrow;
        channel.power = (image_[at + 13] >> 5) & 1 ? Power::High : Power::Low;
    }
    void list(ListByte field, int& value) {
        if (image_[field.offset] < field.limit) value = image_[field.offset];
    }
    void byte(int at, int& value) { value = image_[at]; }
    void timeOut(int at, int& position) {
        if (image_[at] < 41) position = image_[at] - 1;
    }
    void check(int at, bool& on) {
        if (image_[at] < 2) on = image_[at] == 1;
    }
    void duplicate(int at, int& position) { position = image_[at] & 1; }
    void revertTime(int at, int& position) {
        if (image_[at] == 0xFF)
            position = 0;
        else if (image_[at] < 92)
            position = image_[at];
    }
    void priorityChannel(int at, int& channel) {
        if (image_[at] >= 1 && image_[at] <= kChannelCount) channel = image_[at];
    }
    void delay(int at, std::optional<uint16_t>& seconds) {
        const uint16_t value = word(at);
        if (value <= 300) seconds = value;
    }
    void firstDigitDelay(int at, int& milliseconds) {
        if (image_[at] >= 10 && image_[at] <= 100) milliseconds = image_[at] * 10;
    }
    // 0x00 and 0xFF mean none, an ASCII digit its value; any other byte fails its test like
    // every out-of-range value and leaves the setting as it was.
    void groupCallCode(int at, int& code) {
        const uint8_t value = image_[at];
        if (value == 0x00 || value == 0xFF)
            code = 0;
        else if (value >= '0' && value <= '9')
            code = value - '0';
    }
    void text(int at, int width, std::string& text, bool stopsAtFill) {
        text.clear();
        for (int i = at; i < at + width; ++i) {
            // A run of ASCII bytes goes in at once.
            int end = i;
            while (end < at + width && image_[end] < 0x80)
                ++end;
            text.append(reinterpret_cast<const char*>(&image_[i]),
                        static_cast<std::size_t>(end - i));
            if (end == at + width) break;
            i = end;
            if (image_[i] == 0xFF) {
                if (stopsAtFill) break;
                continue;
            }
            imagefield::AppendCharacter(text, image_[i]);
        }
    }
    void dtmfMemory(int at, std::string& memory) {
        memory.clear();
        for (int i = at; i < at + 16; ++i) {
            if (image_[i] == 0xFF) continue;
            imagefield::AppendCharacter(memory, image_[i] == 0x3A ? uint8_t{'0'} : image_[i]);
        }
    }
    void scanBits(int at, std::array<Channel, kChannelCount>& channels) {
        for (int n = 0; n < kChannelCount; ++n)
            channels[n].scan = channels[n].inUse() && ((image_[at + n / 8] >> (n % 8)) & 1);
    }
    void testFrequency(int at, TestFrequency& test, int number) {
        test.rx = frequency(at, DamagedField::Kind::TestReceive, number);
        test.tx = frequency(at + 4, DamagedField::Kind::TestTransmit, number);
    }
    void band(int at, int& band) {
        if (at >= kDecodedBytes) return;
        if (const auto index = BandOfCode(image_[at])) band = *index;
    }
    void constant(int, std::string_view) {}

  private:
    uint16_t word(int at) const { return static_cast<uint16_t>(image_[at] | image_[at + 1] << 8); }

    // The frequency of the code at `at`; none for FF FF FF FF and for a damaged code, which is
    // noted.
    std::optional<Frequency> frequency(int at, DamagedField::Kind kind, int number) {
        const uint8_t* code = &image_[at];
        if ((code[0] & code[1] & code[2] & code[3]) == 0xFF) return std::nullopt;
        uint32_t tens = 0;
        bool decimal = true;
        for (int i = 3; i >= 0; --i) {
            const int high = code[i] >> 4, low = code[i] & 15;
            decimal &= high < 10 && low < 10;
            tens = tens * 100 + static_cast<uint32_t>(high * 10 + low);
        }
        if (decimal) return Frequency{tens};
        damaged.push_back({kind, number, imagefield::FrequencyText(code)});
        return std::nullopt;
    }

    const MemoryImage& image_;
};

} // namespace

MemoryImage EncodeImage(const RadioData& radio) {
    MemoryImage image;
    ImageWriter writer(image);
    VisitImageLayout(writer, radio);
    return image;
}

std::vector<DamagedField> DecodeImage(RadioData& radio, const MemoryImage& image) {
    ImageReader reader(image);
    VisitImageLayout(reader, radio);
    return std::move(reader.damaged);
}

} // namespace tlv
