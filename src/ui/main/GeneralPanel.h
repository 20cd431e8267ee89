#pragma once

#include <array>

#include <QGroupBox>

#include "core/MemoryImage.h"

class QComboBox;
class QLabel;

// The General panel fraGeneral: model, band, power level and "Manual" lists
// with their labels lblGeneral_0..3. It only shows selections; choosing an
// entry writes nothing here (the owner connects the lists' handlers). Enter
// in a list moves the focus on, as Tab does.
class GeneralPanel final : public QGroupBox {
    Q_OBJECT
public:
    explicit GeneralPanel(QWidget* parent);

    // Selects the entries a fresh document has: model and band from the image
    // ("7105A" / "240 - 260 MHz" for codes outside the tables), power level
    // "9", "Enable".
    void SelectForNewDocument(const MemoryImage& image);
    // Caption, labels and the two "Manual" entries in the current language.
    void ApplyLanguage();

    QComboBox* cboGenModel;
    QComboBox* cboGenFreq;
    QComboBox* cboGenPower;
    QComboBox* cboGenManual;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 4> lblGeneral{};
};
