#pragma once
// A dialog's static text: it wraps between Chinese characters or at spaces, and breaks a word
// only when the word alone is wider than the control, so no part of a message is ever cut off.

#include <QLabel>

class QTextLayout;

namespace platform {

class WrappingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The height the whole text needs at `width`, frame included.
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Breaks the text into lines `width` wide, one under the other; returns their height.
    int layOut(QTextLayout& layout, qreal width) const;
};

} // namespace platform
