#pragma once

#include <array>

#include <QDialog>

#include "core/MemoryImage.h"
#include "core/OptionalFeatures.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Optional Features": shows the radio-wide feature bytes of `image` when
// built, writes them back on OK only (exactly the feature bytes and bits);
// Cancel, Esc and the close box write nothing. There is no default button, so
// Enter never presses OK.
class frmOptFeatures final : public QDialog {
    Q_OBJECT
public:
    frmOptFeatures(MemoryImage& image, QWidget* parent = nullptr);

    // The features as the controls show them now; a list whose text was typed
    // over (not an entry of the list) counts as having no selection.
    [[nodiscard]] OptionalFeatures shownFeatures() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void applyCaptions();
    void showFeatures(const OptionalFeatures& features);
    void acceptAndWrite();

    MemoryImage& m_image;

    // Index 0 of each array is unused so the numbers match the control names.
    std::array<QLabel*, 4> lblFeatureGen{};
    std::array<QComboBox*, 4> cboFeatureGen{};
    std::array<QCheckBox*, 4> chkFeatureGen{};
    std::array<QLabel*, 3> lblFeatureVox{};
    std::array<QComboBox*, 3> cboFeatureVox{};
    std::array<QLabel*, 3> lblFeaturePTTID{};
    std::array<QCheckBox*, 3> chkFeaturePTTID{};
    QGroupBox* fraGenFunction = nullptr;
    QGroupBox* fraVOX = nullptr;
    QGroupBox* fraPTTID = nullptr;
    QLineEdit* txtPTTID_Ani = nullptr;
    QLineEdit* txtPTTID_Name = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};
