// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/EditorImage.h"

#include "editor/DialogState.h"
#include "editor/EditorOps.h"
#include "image/DataFile.h"
#include "image/ImageCodec.h"
#include "image/ImageLayout.h"
#include "radio/Bands.h"

namespace tlv {

namespace {

const LocalText& damagedFieldText(DamagedField::Kind kind) {
    switch (kind) {
    case DamagedField::Kind::ChannelReceive:
        return damaged::ChannelReceive;
    case DamagedField::Kind::ChannelTransmit:
        return damaged::ChannelTransmit;
    case DamagedField::Kind::TestReceive:
        return damaged::TestReceive;
    case DamagedField::Kind::TestTransmit:
        break;
    }
    return damaged::TestTransmit;
}

} // namespace

MemoryImage EditorImage(const EditorState& state) {
    return EncodeImage(state.radio());
}

std::vector<Notice> LoadImage(EditorState& state, const MemoryImage& image) {
    state.session.serviceMode = false;
    const std::vector<DamagedField> damagedFields = DecodeImage(state.radio(), image);
    // The image's band is selected as a program step: no question.
    if (const auto band = BandOfCode(image[offset::BandCode]))
        SelectBandWithoutQuestion(state, *band);

    // Each tone cell of a channel in use remembers the loaded tone's list entry, or off for a
    // tone the list does not hold, so that refused typing later restores this cell's own tone,
    // never one left over from an earlier load. A transmit tone that is off beside no transmit
    // frequency is no entry of the list and leaves the remembered one as it was.
    for (int row = 1; row <= kChannelCount; ++row) {
        const Channel& channel = state.radio().channel(row);
        if (!channel.inUse()) continue;
        for (ChannelField field : {ChannelField::RxTone, ChannelField::TxTone}) {
            const Tone tone = ToneOf(channel, field);
            if (field == ChannelField::TxTone && tone.isOff() && !channel.tx) continue;
            const int position = ToneListPosition(tone);
            state.data.tones.at(row, field) = static_cast<int16_t>(position > 0 ? position : 0);
        }
    }

    std::vector<Notice> notices = LoadDialogsAfterImage(state);
    std::string detail;
    for (const DamagedField& field : damagedFields) {
        if (!detail.empty()) detail += '\n';
        detail += Localise(state.language(), damagedFieldText(field.kind),
                           std::to_string(field.number), field.digits);
    }
    if (!detail.empty()) notices.push_back({&msg::DamagedFrequencies, detail});
    return notices;
}

std::string BuildDataFile(const RadioData& radio) {
    return DataFileContent(EncodeImage(radio));
}

FileStatus SaveDataFile(const std::string& path, const RadioData& radio, const WriteFault& fault) {
    return WriteFileAtomically(path, BuildDataFile(radio), fault);
}

LoadResult LoadDataFile(const std::string& path, EditorState& state) {
    std::string bytes;
    FileStatus read = ReadFileHead(path, kDataFileReadLimit, bytes);
    if (!read.ok) return {LoadStatus::ReadFailed, read.reason, {}};
    const std::optional<MemoryImage> image = DataFileImage(bytes);
    if (!image) return {LoadStatus::WrongType, {}, {}};
    return {LoadStatus::Loaded, {}, LoadImage(state, *image)};
}

} // namespace tlv
