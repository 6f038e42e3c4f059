#pragma once
// "Select range Paste": the first and last record to paste into, each typed or stepped with its
// spin buttons within 1 .. the record count (commas in a typed number are passed over). "Paste"
// takes the range only when both numbers lie in it, else the focus returns to the wrong one; an
// end before the start is swapped.

#include <QDialog>

class QSpinBox;

namespace tk73edit {

class RangeDialog : public QDialog {
    Q_OBJECT

  public:
    // Start and end both begin at the current record (1-based).
    RangeDialog(int recordCount, int currentRecord, QWidget* parent = nullptr);

    // The range after "Paste", start <= end.
    int First() const { return first_; }
    int Last() const { return last_; }

    QSpinBox* StartBox() const { return start_; }
    QSpinBox* EndBox() const { return end_; }

  private:
    void Paste();

    QSpinBox* start_;
    QSpinBox* end_;
    int first_ = 0;
    int last_ = 0;
};

}  // namespace tk73edit
