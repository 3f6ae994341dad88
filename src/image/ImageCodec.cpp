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
        return record::NoTone;
    case Tone::Kind::Ctcss:
        return tone.value;
    case Tone::Kind::Dcs:
        return static_cast<uint16_t>((tone.inverted ? record::DcsInverted : record::DcsNormal) |
                                     (tone.value & 0x1FF));
    }
    return record::NoTone;
}

Tone toneOfCode(uint16_t code) {
    if (code == record::NoTone) return Tone::Off();
    const int discriminator = code >> 12;
    if (discriminator == record::DcsNormal >> 12 || discriminator == record::DcsInverted >> 12)
        return Tone::Dcs(code & 0x1FF, discriminator == record::DcsInverted >> 12);
    return Tone::Ctcss(code);
}

// The first digit of the group call code's decimal form (a minus sign for a negative one).
uint8_t groupCallCode(int code) {
    if (code == 0) return 0;
    if (code < 0) return '-';
    while (code >= 10)
        code /= 10;
    return static_cast<uint8_t>('0' + code);
}

uint8_t bandCode(int band) {
    return IsBand(band) ? kBands[static_cast<std::size_t>(band)].code : 0xFF;
}

// The image of a blank editor before any field is written: fill bytes everywhere.
class ImageWriter {
  public:
    explicit ImageWriter(MemoryImage& image) : image_(image) { image_.fill(0xFF); }

    void channel(int at, const Channel& channel, int) {
        put4(at + record::Receive, frequencyCode(channel.rx));
        put4(at + record::Transmit, frequencyCode(channel.tx));
        word(at + record::ReceiveTone, toneCode(channel.rxTone));
        word(at + record::TransmitTone, toneCode(channel.txTone));
        image_[at + record::Forbid] = static_cast<uint8_t>(
            record::ForbidBase |
            (channel.forbid == TransmitForbid::OnCarrier ? record::ForbidOnCarrier : 0));
        image_[at + record::Options] = static_cast<uint8_t>(
            record::OptionsBase | (channel.power == Power::High ? record::HighPower : 0) |
            (channel.bandwidth == Bandwidth::Wide ? record::Wide : 0));
        image_[at + record::Fill] = record::FillBytes[0];
        image_[at + record::Fill + 1] = record::FillBytes[1];
    }
    void setting(const SettingField& field, const RadioData& radio) {
        const int value = field.get(radio);
        uint8_t& byte = image_[field.offset];
        switch (field.storage) {
        case SettingStorage::List:
        case SettingStorage::Level:
        case SettingStorage::PriorityChannel:
            byte = clampByte(value);
            break;
        case SettingStorage::Check:
            byte = value != 0 ? 1 : 0;
            break;
        case SettingStorage::TimeOut:
            byte = clampByte(value + 1LL);
            break;
        case SettingStorage::Duplicate:
            byte = value == 1 ? 0xFF : 0xFE;
            break;
        case SettingStorage::RevertTime:
            byte = value == 0 ? 0xFF : clampByte(value);
            break;
        case SettingStorage::Delay:
            word(field.offset, value);
            break;
        case SettingStorage::FirstDigitDelay:
            byte = clampByte(value / 10);
            break;
        case SettingStorage::GroupCallCode:
            byte = groupCallCode(value);
            break;
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
        const auto rx = frequency(at + record::Receive, DamagedField::Kind::ChannelReceive, number);
        if (!rx) {
            channel = Channel{};
            return;
        }
        channel.rx = rx;
        channel.tx = frequency(at + record::Transmit, DamagedField::Kind::ChannelTransmit, number);
        channel.rxTone = toneOfCode(word(at + record::ReceiveTone));
        channel.txTone = toneOfCode(word(at + record::TransmitTone));
        channel.forbid = image_[at + record::Forbid] & record::ForbidOnCarrier
                             ? TransmitForbid::OnCarrier
                             : TransmitForbid::Off;
        const uint8_t options = image_[at + record::Options];
        channel.bandwidth = options & record::Wide ? Bandwidth::Wide : Bandwidth::Narrow;
        channel.power = options & record::HighPower ? Power::High : Power::Low;
    }
    // A value the setting cannot hold leaves it as it was.
    void setting(const SettingField& field, RadioData& radio) {
        const uint8_t byte = image_[field.offset];
        const auto take = [&](int value) { field.set(radio, value); };
        switch (field.storage) {
        case SettingStorage::List:
            if (byte < field.entries) take(byte);
            break;
        case SettingStorage::Level:
            take(byte);
            break;
        case SettingStorage::Check:
            if (byte < 2) take(byte);
            break;
        case SettingStorage::TimeOut:
            if (byte < 41) take(byte - 1);
            break;
        case SettingStorage::Duplicate:
            take(byte & 1);
            break;
        case SettingStorage::RevertTime:
            if (byte == 0xFF)
                take(0);
            else if (byte < 92)
                take(byte);
            break;
        case SettingStorage::PriorityChannel:
            if (byte >= 1 && byte <= kChannelCount) take(byte);
            break;
        case SettingStorage::Delay:
            if (const uint16_t seconds = word(field.offset); seconds <= 300) take(seconds);
            break;
        case SettingStorage::FirstDigitDelay:
            if (byte >= 10 && byte <= 100) take(byte * 10);
            break;
        case SettingStorage::GroupCallCode:
            // 0x00 and 0xFF mean none, an ASCII digit its value; any other byte fails its test
            // like every out-of-range value and leaves the setting as it was.
            if (byte == 0x00 || byte == 0xFF)
                take(0);
            else if (byte >= '0' && byte <= '9')
                take(byte - '0');
            break;
        }
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
