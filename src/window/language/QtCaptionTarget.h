// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The caption target over the program's Qt windows: windows and controls are found by their
// objectName; what is not there is passed over. A target serves one caption pass: each window
// is looked up once and its controls are indexed by name on its first caption, so that a pass
// over hundreds of captions walks each window's controls once.
#include "texts/CaptionTables.h"

#include <QHash>
#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace tlv {

class QtCaptionTarget : public CaptionTarget {
  public:
    // Finds (or creates) a window by name; the default looks among the top-level windows.
    using WindowFinder = std::function<QWidget*(const QString& name)>;

    QtCaptionTarget();
    explicit QtCaptionTarget(WindowFinder findWindow);

    void setWindowTitle(std::string_view window, const std::string& text) override;
    void setCaption(std::string_view window, std::string_view control,
                    const std::string& text) override;
    void setListEntry(std::string_view window, std::string_view control, int entry,
                      const std::string& text) override;
    void setGridHeader(std::string_view window, std::string_view control, int column,
                       const std::string& text) override;
    void setToolbarButton(std::string_view window, std::string_view control, int button,
                          const std::string& text) override;

  private:
    QWidget* window(std::string_view name);
    QObject* control(std::string_view window, std::string_view name);
    WindowFinder findWindow_;
    QHash<QString, QWidget*> windows_;
    QHash<QWidget*, QHash<QString, QObject*>> controls_;
};

} // namespace tlv
