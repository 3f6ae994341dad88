// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A caption target that keeps the texts written into it, addressed like the windows address
// their controls, and the order of the writes.
#include "texts/CaptionTables.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace tlv::test {

struct CaptionKey {
    std::string window;
    std::string control;
    CaptionItem item;
    int index;
    auto operator<=>(const CaptionKey&) const = default;
};

class RecordingCaptionTarget : public CaptionTarget {
  public:
    std::map<CaptionKey, std::string> texts;
    std::vector<std::pair<CaptionKey, std::string>> writes;

    void setWindowTitle(std::string_view window, const std::string& text) override {
        put({std::string(window), "", CaptionItem::WindowTitle, 0}, text);
    }
    void setCaption(std::string_view window, std::string_view control,
                    const std::string& text) override {
        put({std::string(window), std::string(control), CaptionItem::Caption, 0}, text);
    }
    void setListEntry(std::string_view window, std::string_view control, int entry,
                      const std::string& text) override {
        put({std::string(window), std::string(control), CaptionItem::ListEntry, entry}, text);
    }
    void setGridHeader(std::string_view window, std::string_view control, int column,
                       const std::string& text) override {
        put({std::string(window), std::string(control), CaptionItem::GridHeader, column}, text);
    }
    void setToolbarButton(std::string_view window, std::string_view control, int button,
                          const std::string& text) override {
        put({std::string(window), std::string(control), CaptionItem::ToolbarButton, button}, text);
    }

    const std::string& caption(const std::string& window, const std::string& control) const {
        return texts.at({window, control, CaptionItem::Caption, 0});
    }

  private:
    void put(CaptionKey key, const std::string& text) {
        writes.emplace_back(key, text);
        texts[std::move(key)] = text;
    }
};

} // namespace tlv::test
