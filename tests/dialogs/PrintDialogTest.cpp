#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "KeyInput.h"
#include "core/BandTable.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "support/NewDocumentFor.h"
#include "support/ScriptedPrompter.h"
#include "ui/dialogs/frmPrint.h"

namespace {

void Settle() { QApplication::processEvents(QEventLoop::AllEvents, 20); }

struct RangeCase {
    const char* name;
    QString start, end;
    QString expected;
};

class RangeStart : public testing::TestWithParam<RangeCase> {};
TEST_P(RangeStart, LeavingTheBox)
{
    EXPECT_EQ(ValidatedRangeStart(GetParam().start, GetParam().end), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, RangeStart,
    testing::Values(RangeCase{"Empty", "", "128", "1"}, RangeCase{"Zero", "0", "128", "1"},
                    RangeCase{"AboveEnd", "200", "128", "1"}, RangeCase{"LeadingZeros", "007", "128", "7"},
                    RangeCase{"EqualToEnd", "5", "5", "5"}, RangeCase{"HalfDown", "2.5", "128", "2"},
                    RangeCase{"HalfUp", "3.5", "128", "4"}, RangeCase{"Negative", "-3", "128", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

class RangeEnd : public testing::TestWithParam<RangeCase> {};
TEST_P(RangeEnd, LeavingTheBox)
{
    EXPECT_EQ(ValidatedRangeEnd(GetParam().start, GetParam().end), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, RangeEnd,
                         testing::Values(RangeCase{"Empty", "1", "", "128"},
                                         RangeCase{"Above128", "1", "200", "128"},
                                         RangeCase{"BelowStart", "10", "5", "128"},
                                         RangeCase{"LeadingZeros", "1", "050", "50"},
                                         RangeCase{"Last", "1", "128", "128"}),
                         [](const auto& info) { return std::string(info.param.name); });

class PrintDialog : public testing::Test {
protected:
    void SetUp() override
    {
        state = NewDocumentFor(kDefaultBandCode);
        for (int c = 0; c < 10; ++c) StoreFreq(state.memoryImage, c, layout::kRxFreqRow, "250.00000");
        dialog = std::make_unique<frmPrint>(state, prompter);
        find(&chkPrintItem_1, "chkPrintItem_1");
        find(&chkPrintItem_2, "chkPrintItem_2");
        find(&txtRange_0, "txtRange_0");
        find(&txtRange_1, "txtRange_1");
        find(&cmdSelectAll, "cmdSelectAll");
        find(&cmdClearAll, "cmdClearAll");
        find(&cmdSetup, "cmdSetup");
        find(&cmdPreview, "cmdPreview");
        find(&cmdCancel, "cmdCancel");
        find(&cmdOK, "cmdOK");
        dialog->show();
        dialog->activateWindow();
        for (int i = 0; i < 50 && !dialog->isActiveWindow(); ++i) Settle();
        ASSERT_TRUE(dialog->isActiveWindow());
    }

    template <typename T>
    void find(T** control, const char* name)
    {
        *control = dialog->findChild<T*>(QLatin1String(name));
        ASSERT_NE(*control, nullptr) << name;
    }

    void printTo(const QString& file)
    {
        dialog->printer().setOutputFormat(QPrinter::PdfFormat);
        dialog->printer().setOutputFileName(file);
        prompter.dialogScripts.push_back([](QDialog&) { return int(QDialog::Accepted); });
        cmdOK->click();
    }

    AppState state;
    ScriptedPrompter prompter;
    std::unique_ptr<frmPrint> dialog;
    QCheckBox *chkPrintItem_1 = nullptr, *chkPrintItem_2 = nullptr;
    QLineEdit *txtRange_0 = nullptr, *txtRange_1 = nullptr;
    QPushButton *cmdSelectAll = nullptr, *cmdClearAll = nullptr, *cmdSetup = nullptr, *cmdPreview = nullptr,
                *cmdCancel = nullptr, *cmdOK = nullptr;
    QTemporaryDir dir;
};

TEST_F(PrintDialog, OpensUncheckedWithFullRangeAndNoDefaultButton)
{
    EXPECT_EQ(dialog->windowTitle(), "Print Out List");
    EXPECT_FALSE(chkPrintItem_1->isChecked() || chkPrintItem_2->isChecked());
    EXPECT_EQ(txtRange_0->text(), "1");
    EXPECT_EQ(txtRange_1->text(), "128");
    EXPECT_FALSE(txtRange_0->isEnabled() || txtRange_1->isEnabled());
    EXPECT_EQ(txtRange_0->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_EQ(cmdPreview->text(), "Print Pre&view");
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        EXPECT_FALSE(b->isDefault() || b->autoDefault());

    QWidget* expected[] = {chkPrintItem_1, txtRange_0, txtRange_1, chkPrintItem_2, cmdSelectAll,
                           cmdClearAll,    cmdSetup,   cmdPreview, cmdCancel,      cmdOK};
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        QWidget* next = expected[i - 1]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i]) << next->objectName().toStdString();
    }
}

TEST_F(PrintDialog, RangeBoxesFollowMemoryChannel)
{
    chkPrintItem_1->click();
    EXPECT_TRUE(txtRange_0->isEnabled() && txtRange_1->isEnabled());
    txtRange_0->setText("4");
    chkPrintItem_1->click();
    EXPECT_FALSE(txtRange_0->isEnabled() || txtRange_1->isEnabled());
    EXPECT_EQ(txtRange_0->text(), "4");

    cmdSelectAll->click();
    EXPECT_TRUE(chkPrintItem_1->isChecked() && chkPrintItem_2->isChecked());
    EXPECT_TRUE(txtRange_0->isEnabled());
    cmdClearAll->click();
    EXPECT_FALSE(chkPrintItem_1->isChecked() || chkPrintItem_2->isChecked());
    EXPECT_FALSE(txtRange_0->isEnabled());
}

TEST_F(PrintDialog, RangeBoxKeysAndValidationOnLeaving)
{
    chkPrintItem_1->setChecked(true);
    QLineEdit* start = txtRange_0;
    start->setFocus();
    start->setText("0");
    start->deselect();
    keyinput::type("1a.2");  // letters and stops swallowed
    EXPECT_EQ(start->text(), "012");
    keyinput::type("3");  // a fourth digit is refused
    EXPECT_EQ(start->text(), "012");
    keyinput::key(Qt::Key_Backspace);
    EXPECT_EQ(start->text(), "01");
    keyinput::press(start, Qt::Key_V, Qt::ControlModifier, "\x16");  // no paste either
    EXPECT_EQ(start->text(), "01");

    keyinput::key(Qt::Key_Return);  // Enter moves on, leaving validates
    EXPECT_EQ(QApplication::focusWidget(), txtRange_1);
    EXPECT_EQ(start->text(), "1");
    Settle();
    EXPECT_EQ(txtRange_1->selectedText(), "128");
    keyinput::type("5");  // types over the selection
    keyinput::key(Qt::Key_Tab);
    EXPECT_EQ(txtRange_1->text(), "5");
    start->setFocus();
    start->setText("10");
    txtRange_1->setFocus();  // start 10 > end 5 -> 1
    EXPECT_EQ(start->text(), "1");
    keyinput::press(start, Qt::Key_Escape, Qt::NoModifier, "\x1b");  // Esc still cancels from a range box
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(PrintDialog, SwitchingWindowsLeavesAHalfTypedRangeAlone)
{
    chkPrintItem_1->setChecked(true);
    txtRange_0->setText("5");
    QLineEdit* end = txtRange_1;
    end->setFocus();
    Settle();
    keyinput::type("1");  // over the selected "128"
    QWidget other;
    ASSERT_TRUE(keyinput::showActive(&other));
    EXPECT_EQ(end->text(), "1") << "not yet left: 1 is below the start but the user is still typing";

    ASSERT_TRUE(keyinput::showActive(dialog.get()));
    ASSERT_EQ(QApplication::focusWidget(), end);
    keyinput::type("2");
    chkPrintItem_2->setFocus();
    EXPECT_EQ(end->text(), "12");
}

TEST_F(PrintDialog, AltKeysValidateTheFocusedRangeBoxAsLeavingItWould)
{
    chkPrintItem_1->setChecked(true);
    txtRange_0->setText("3");
    txtRange_1->setFocus();
    txtRange_1->setText("2");  // below the start: leaving makes it 128, the start stays
    prompter.dialogScripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
    QTest::keyClick(txtRange_1, Qt::Key_V, Qt::AltModifier);
    QTest::qWaitFor([this] { return !prompter.dialogsShown.empty(); });  // the button animates its click
    ASSERT_EQ(prompter.dialogsShown, std::vector<QString>({"dlgPrintPreview"}));
    EXPECT_EQ(txtRange_0->text(), "3");
    EXPECT_EQ(txtRange_1->text(), "128");
}

TEST_F(PrintDialog, NothingSelectedOnlyAsksToSelect)
{
    cmdOK->click();
    cmdPreview->click();
    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[0].text, "Please select printing items.");
    EXPECT_EQ(prompter.asked[0].title, "ZQ-915");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Information);
    EXPECT_TRUE(prompter.dialogsShown.empty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(PrintDialog, CancelledPrinterDialogOrSetupPrintsNothing)
{
    chkPrintItem_2->setChecked(true);
    const QString file = dir.filePath("never.pdf");
    dialog->printer().setOutputFormat(QPrinter::PdfFormat);
    dialog->printer().setOutputFileName(file);
    prompter.dialogScripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
    prompter.dialogScripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
    cmdSetup->click();
    cmdOK->click();
    EXPECT_EQ(prompter.dialogsShown, std::vector<QString>({"dlgPrintSetup", "dlgPrint"}));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(PrintDialog, PrintsToPdfAndCloses)
{
    cmdSelectAll->click();
    const QString file = dir.filePath("list.pdf");
    printTo(file);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", file, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_EQ(text.count(QChar('\f')), 3);  // two channel pages, one features page
    for (const char* expected :
         {"ZQ-915 Radio Programming Information", "240 - 260 MHz", "Untitled", "Channel 1", "Channel 10",
          "250.00000", "---------", "Optional Features", "Time Out Timer [s]"})
        EXPECT_TRUE(text.contains(expected)) << expected;
    // The extractor may drop the narrow spaces of "- 3 -".
    EXPECT_TRUE(text.contains(QRegularExpression("- ?3 ?-\\s*\f$")));
}

TEST_F(PrintDialog, FailedPrintReportsAndStaysOpen)
{
    chkPrintItem_1->setChecked(true);
    printTo(dir.filePath("missing/list.pdf"));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_TRUE(prompter.asked[0].text.startsWith("Printing failed.\n"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);

    printTo(dir.filePath("list.pdf"));  // another file: the same printer works again
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(QFile::exists(dir.filePath("list.pdf")));
}

TEST_F(PrintDialog, PreviewPaintsTheSamePages)
{
    chkPrintItem_1->setChecked(true);
    int pages = 0;
    prompter.dialogScripts.push_back([&pages](QDialog& preview) {
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        widget->updatePreview();
        pages = widget->pageCount();
        return int(QDialog::Rejected);
    });
    cmdPreview->click();
    EXPECT_EQ(prompter.dialogsShown, std::vector<QString>({"dlgPrintPreview"}));
    EXPECT_EQ(pages, 2);
    EXPECT_TRUE(dialog->isVisible());
}

TEST(PrintEntry, OpensPrintOutListModally)
{
    AppState state;
    ScriptedPrompter prompter;
    QString title;
    prompter.dialogScripts.push_back([&title](QDialog& d) {
        title = d.windowTitle();
        return int(QDialog::Rejected);
    });
    ShowPrintDialog(state, prompter, nullptr);
    EXPECT_EQ(prompter.dialogsShown, std::vector<QString>({"frmPrint"}));
    EXPECT_EQ(title, "Print Out List");
}

}  // namespace
