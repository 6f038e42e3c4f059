#pragma once
// A button of the main window drawn from its four bitmaps (button_art.h): normal, pressed,
// focused and disabled. Caption buttons draw the caption of their row over the bitmap. The
// button keeps its row, so the window knows what a press starts.

#include <QAbstractButton>
#include <QPixmap>

#include <array>

#include "apps/shell/tool_table.h"

namespace tk73hub {

class CToolButton : public QAbstractButton {
    Q_OBJECT

  public:
    // The button of the row, sized to its bitmaps; a plain push button showing the caption when
    // the bitmaps of the row's base cannot be had.
    static QAbstractButton* Create(const ToolRow& row, QWidget* parent);

    const ToolRow& Row() const { return row_; }
    // The suffix of the bitmap the button shows in its present state: 'D' when disabled, else
    // 'S' while held down, 'F' with the keyboard focus, 'N' otherwise.
    char CurrentSuffix() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter presses the button with the focus, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CToolButton(const ToolRow& row, std::array<QPixmap, 4> bitmaps, QWidget* parent);

    const ToolRow& row_;
    std::array<QPixmap, 4> bitmaps_;  // N, S, F, D
};

}  // namespace tk73hub
