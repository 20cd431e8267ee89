#pragma once

#include <array>

#include <QGroupBox>

#include "core/BandTable.h"
#include "core/MemoryImage.h"

class QComboBox;
class QLabel;

// The General panel fraGeneral: model, band, power level and "Manual" lists
// cboGenModel, cboGenFreq, cboGenPower, cboGenManual with their labels
// lblGeneral_0..3. It only shows selections; choosing an entry writes nothing
// here but reports the user's choice (the owner connects the handlers).
// Selecting from code reports nothing. Enter in a list moves the focus on, as
// Tab does.
class GeneralPanel final : public QGroupBox {
    Q_OBJECT
public:
    explicit GeneralPanel(QWidget* parent);

    // Selects the four lists; an index outside a list leaves it empty.
    void Show(const GeneralSelection& selection);
    [[nodiscard]] GeneralSelection selection() const;
    // Selects the entries a fresh document has: model and band from the image
    // ("7105A" / "240 - 260 MHz" for codes outside the tables), power level
    // "9", "Enable".
    void SelectForNewDocument(const MemoryImage& image);
    // Caption, labels and the two "Manual" entries in the current language.
    void ApplyLanguage();

Q_SIGNALS:
    // A list entry the user picked (index into the list).
    void modelChosen(int index);
    void bandChosen(int index);
    void powerChosen(int index);
    void manualChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* cboGenModel;
    QComboBox* cboGenFreq;
    QComboBox* cboGenPower;
    QComboBox* cboGenManual;
    std::array<QLabel*, 4> lblGeneral{};
};

// Selects the panel's four lists from the image (model, band, power level,
// "Manual"). Reports no choice, so an image with a band byte outside 238..248
// or a power byte above 9 stays as it is.
void ShowGeneralSettings(GeneralPanel& panel, const MemoryImage& image);
