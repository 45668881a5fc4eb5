#pragma once
// Up and down arrows bound to the edit before them: each step moves the number in the edit
// by one within the range, written back as a plain integer. The arrow keys in the edit step too.

#include <QWidget>
#include <cstdint>

class QLineEdit;
class QToolButton;

namespace platform {

class UpDownControl : public QWidget {
    Q_OBJECT
public:
    explicit UpDownControl(QWidget* parent = nullptr);

    // Takes its place at the right end of `edit`, which gives up that room.
    void attachTo(QLineEdit* edit);
    QLineEdit* buddy() const { return buddy_; }

    // The up arrow moves towards `upper`, also when `upper` lies below `lower`.
    void setRange(std::int32_t lower, std::int32_t upper);
    std::int32_t lower() const { return lower_; }
    std::int32_t upper() const { return upper_; }

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int direction);

    QLineEdit* buddy_ = nullptr;
    QToolButton* upButton_;
    QToolButton* downButton_;
    std::int32_t lower_ = 0;
    std::int32_t upper_ = 100;
};

} // namespace platform
