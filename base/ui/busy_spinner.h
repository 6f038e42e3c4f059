#pragma once
// An endless busy animation drawn in code: a ring of dots whose brightest dot runs round.

#include <QTimer>
#include <QWidget>

namespace tk73 {

class BusySpinner : public QWidget {
    Q_OBJECT

  public:
    explicit BusySpinner(QWidget* parent = nullptr);

    void start();
    void stop();
    bool isSpinning() const { return timer_.isActive(); }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static constexpr int kDots = 12;

    QTimer timer_;
    int step_ = 0;
};

}  // namespace tk73
