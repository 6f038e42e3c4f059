#pragma once
// The names of the selected branch, store and model as the store bar paints them: one line that
// gives way to a narrow window by eliding its end, with the whole text as the tool tip.

#include <QWidget>

class StoreNamesView : public QWidget {
    Q_OBJECT

  public:
    explicit StoreNamesView(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};
