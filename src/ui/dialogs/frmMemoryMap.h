#pragma once

#include <QDialog>

#include "core/MemoryImage.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "Memory Map": all 4096 bytes of `image` as a hexadecimal dump in radio
// address order, 256 rows of 16 bytes (row heading "0AB_", column heading the
// low digit). Edits stay in the grid; OK writes every byte back into `image`
// (changed or not), Cancel writes nothing. Esc only abandons an open cell
// edit; it never closes the window.
class frmMemoryMap final : public QDialog {
    Q_OBJECT
public:
    frmMemoryMap(MemoryImage& image, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void fillFromImage();
    // Opens the in-place editor on grid cell (row, column), 0-based; `typed`
    // (if not empty) replaces its text with the caret after it.
    void beginEdit(int row, int column, const QString& typed);
    // Writes the editor's text (empty -> FF, one digit -> 0d) into the cell
    // under edit and hides the editor.
    void commitEdit();
    // Hides the editor and gives the cell its old text back.
    void abandonEdit();
    void moveToNextCell();
    bool gridKey(const QKeyEvent& key);
    bool editorKey(const QKeyEvent& key);
    void writeImageAndClose();

    MemoryImage& m_image;
    int m_editRow = -1;  // cell under edit, -1 while the editor is hidden
    int m_editColumn = -1;
    QString m_oldText;

    QTableWidget* msgMemory = nullptr;
    QLineEdit* txtMemory = nullptr;
    QLabel* lblAddr = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};
