#pragma once

#include <QLabel>
#include <QStringList>
#include <vector>

namespace ui {

// The summary of the teaching window: a label whose text is the exact summary, broken into
// lines only between its parts ("; "), so that a number never parts from its "%". Focusable,
// so that a keyboard or screen-reader user reaches it with Tab.
class SummaryLine final : public QLabel {
    Q_OBJECT

  public:
    explicit SummaryLine(QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;
    [[nodiscard]] bool hasHeightForWidth() const override { return true; }
    [[nodiscard]] int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    [[nodiscard]] QStringList lines(int width) const;
    // The parts of the text and their widths, measured once for each text: the layout asks
    // for heights on every change, and at 1000 ticks a second shaping the text each time costs.
    void measure() const;

    mutable QString measured_;
    mutable QFont measuredFont_;
    mutable QStringList parts_;
    mutable std::vector<int> partWidths_;
    mutable int separatorWidth_ = 0;
};

}  // namespace ui
