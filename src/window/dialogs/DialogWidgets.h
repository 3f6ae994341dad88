// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the windows: the twips layout, named controls and clicks on labels.
#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace tlv {

// The dialogs are drawn in twips; the screen has 15 twips to the pixel.
constexpr int twips(int t) {
    return (t + 7) / 15;
}

// Controls carry their names as objectName, so that captions can find them.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);
QComboBox* makeList(QWidget* parent, const char* name, const QStringList& entries);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text);

// Places `widget` at (left, top) with the size (width, height), all in twips; a height of 0
// keeps the widget's own height.
void place(QWidget* widget, int left, int top, int width, int height = 0);

// Sets a list's selection the way a program assignment does: -1 or a position outside the
// list clears it.
void selectPosition(QComboBox* list, int position);

// Emits clicked() when the left mouse button is pressed on the watched widget (labels have
// no click of their own).
class ClickWatcher : public QObject {
    Q_OBJECT
  public:
    static ClickWatcher* watch(QWidget* widget);

  signals:
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

} // namespace tlv
