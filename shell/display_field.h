#pragma once
// The calculator's display: a line edit that always shows its whole text.
// A text wider than the field is drawn in a smaller size of the user's face,
// just small enough to fit (the chosen font is kept as it is). With digit
// grouping on, a number is drawn with a thin space between its groups while
// the field is not being edited; its text never holds the separators.

#include <QFont>
#include <QLineEdit>
#include <optional>

class QMenu;

#include "base/number_modes.h"

namespace zentra {

class DisplayField : public QLineEdit {
    Q_OBJECT

public:
    // Below this pixel size a text is not made smaller: it then shows its start.
    static constexpr int kSmallestPixelSize = 6;

    explicit DisplayField(QWidget* parent = nullptr);

    // The font the user chose for the display.
    void setBaseFont(const QFont& font);
    const QFont& baseFont() const { return baseFont_; }
    // Groups the digits of the drawn text as base does; nothing draws the text as it is.
    void setGrouping(std::optional<NumberBase> base);
    // The text as it is drawn now.
    QString drawnText() const;
    // Where the text is drawn, inside the frame and the line edit's margins.
    QRect textRect() const;
    // What a paste puts in: the clipboard's first line without the white space
    // around it, in place of the selection.
    void pasteLine(const QString& clipboard);
    // The line edit's own context menu, its Paste taking the first line too.
    QMenu* createEditMenu();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool groupsDrawn() const { return grouping_.has_value() && !hasFocus(); }
    void fitText();

    QFont baseFont_;
    int basePixels_ = 12;
    std::optional<NumberBase> grouping_;
};

}  // namespace zentra
