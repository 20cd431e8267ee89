#pragma once

#include <QLineEdit>

// The in-place frequency editor txtMemChannel. Takes digits and "." only, at
// most nine characters (a tenth replaces a selection or is dropped), no
// context menu and no paste. Enter and Esc are reported, not acted on. The
// undo and redo keys are left to the window's Edit menu.
class FrequencyEditor final : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 9;  // "436.12500"

    explicit FrequencyEditor(QWidget* parent);

Q_SIGNALS:
    void enterPressed();
    void escapePressed();
    // The focus went to another control of this window (not to a popup, not
    // to another window).
    void focusLost();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
