#include "DocumentSession.h"

#include <algorithm>

#include "core/BandTable.h"
#include "core/ChannelCopy.h"
#include "core/ChannelEdit.h"
#include "core/ChannelShift.h"
#include "core/ChannelView.h"
#include "core/DocumentState.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "core/ToneCodec.h"
#include "files/DataFile.h"
#include "strings/Strings.h"

namespace {

std::string Caption(int plainId, int stepId, const EditHistory& history, bool undo)
{
    const bool can = undo ? history.canUndo() : history.canRedo();
    if (!can) return Text(plainId);
    return TextWith(stepId, {StepText(undo ? history.undoName() : history.redoName())});
}

}  // namespace

bool DocumentSession::RecordStep(const StepName& name, const std::function<void()>& change)
{
    if (m_recording) {
        change();
        return false;
    }
    const MemoryImage before = m_state.memoryImage;
    m_recording = true;
    change();
    m_recording = false;
    if (m_state.memoryImage == before) return false;
    m_history.Record(name, before);
    return true;
}

bool DocumentSession::Undo() { return takeStep(true); }

bool DocumentSession::Redo() { return takeStep(false); }

bool DocumentSession::takeStep(bool back)
{
    if (!(back ? m_history.canUndo() : m_history.canRedo())) return false;
    if (back)
        m_history.Undo(m_state.memoryImage);
    else
        m_history.Redo(m_state.memoryImage);
    // A step may have changed the band; the layout follows the image.
    SetBandLimits(m_state);
    ApplyBandLayout(m_state);
    return true;
}

std::string DocumentSession::UndoCaption() const
{
    return Caption(TextId::Undo, TextId::UndoStep, m_history, true);
}

std::string DocumentSession::RedoCaption() const
{
    return Caption(TextId::Redo, TextId::RedoStep, m_history, false);
}

bool DocumentSession::ForgetLastStep()
{
    if (!m_history.canUndo()) return false;
    m_history.Forget(m_state.memoryImage);
    return true;
}

std::optional<CellNotice> DocumentSession::TypeFrequency(int n, int col, std::string_view typed)
{
    std::optional<CellNotice> notice;
    RecordStep({kGridHeaderIds.at(std::size_t(std::clamp(col, 0, kChannelCells))), n},
               [&] { notice = CommitFrequencyCell(m_state, n, col, typed); });
    return notice;
}

std::optional<CellNotice> DocumentSession::ChooseEntry(int n, int col, std::string_view entry)
{
    std::optional<CellNotice> notice;
    RecordStep({kGridHeaderIds.at(std::size_t(std::clamp(col, 0, kChannelCells))), n},
               [&] { notice = ChooseCellEntry(m_state, n, col, entry); });
    return notice;
}

void DocumentSession::StartUntitled()
{
    ResetImage(m_state);
    SetBandLimits(m_state);
    TakeSnapshot(m_state);
    m_state.documentPath = kUntitled;
    m_history.Clear();
}

bool DocumentSession::Open(const ByteBuffer& fileBytes, const std::string& path)
{
    if (fileBytes.empty() || fileBytes.size() > kMaxDataFileBytes) return false;
    const std::optional<MemoryImage> image = DecodeDataFile(fileBytes);
    if (!image) return false;
    m_state.memoryImage = *image;
    NormalizeDocument(m_state);
    // Taken after the normalisation, so channels erased as out of band count as saved.
    TakeSnapshot(m_state);
    m_history.Clear();
    m_state.documentPath = path;
    return true;
}

ByteBuffer DocumentSession::SaveBytes() const { return EncodeDataFile(m_state.memoryImage); }

void DocumentSession::MarkSaved(const std::string& path)
{
    m_state.documentPath = path;
    TakeSnapshot(m_state);
}

void DocumentSession::Restore(const MemoryImage& image, const std::string& path, const MemoryImage& snapshot)
{
    m_state.memoryImage = image;
    NormalizeDocument(m_state);
    m_state.imageSnapshot = snapshot;
    m_state.documentPath = path;
    m_history.Clear();
}

std::string DocumentSession::ExportCsv() const { return ExportChannelsCsv(m_state.memoryImage); }

ChannelImport DocumentSession::ImportCsv(std::string_view fileBytes)
{
    ChannelImport result = ImportChannelsCsv(fileBytes, m_state.memoryImage);
    if (!result.error.empty()) return result;
    RecordStep({TextId::Import}, [&] {
        m_state.memoryImage = result.image;
        NormalizeDocument(m_state);
    });
    return result;
}

void DocumentSession::SetModel(int index)
{
    RecordStep({TextId::Model}, [&] {
        m_state.memoryImage.set(layout::kModelRow, layout::kRadioColumn, ModelCodeForIndex(index));
    });
}

void DocumentSession::SetPower(int index)
{
    RecordStep({TextId::PowerLevel}, [&] {
        m_state.memoryImage.set(layout::kPowerLevelRow, layout::kSettingsColumn, PowerForIndex(index));
    });
}

void DocumentSession::SetManual(int index)
{
    RecordStep({TextId::Manual}, [&] {
        m_state.memoryImage.setBit(layout::kGeneralFlagsRow, layout::kSettingsColumn, layout::kManualEnable,
                                   ManualEnabledForIndex(index));
    });
}

void DocumentSession::SetBand(int index)
{
    const std::uint8_t code = BandCodeForIndex(index);
    MemoryImage& image = m_state.memoryImage;
    if (code == image.at(layout::kBandRow, layout::kRadioColumn)) return;
    image.set(layout::kBandRow, layout::kRadioColumn, code);
    StartUntitled();
}

bool DocumentSession::SetOptionalFeatures(const OptionalFeatures& features)
{
    return RecordStep({TextId::OptionalFeatures},
                      [&] { WriteOptionalFeatures(m_state.memoryImage, features); });
}

bool DocumentSession::HasRx(int n)
{
    return n >= 1 && n <= m_state.channelCount && NormalizeAndDescribeChannel(m_state, n - 1).present;
}

bool DocumentSession::HasTx(int n)
{
    return HasRx(n) && !NormalizeAndDescribeChannel(m_state, n - 1).text[1].empty();
}

bool DocumentSession::CanInsert() { return !HasRx(m_state.channelCount); }

std::optional<CellNotice> DocumentSession::CopyChannelTo(int n, std::string_view destination)
{
    if (!HasRx(n)) return std::nullopt;
    const std::optional<int> target = ParseChannelNumber(destination);
    bool copied = false;
    RecordStep({TextId::ChannelCopy}, [&] {
        copied = target && CopyChannel(m_state.memoryImage, m_state.channelCount, n, *target);
        if (copied) NormalizeAndDescribeChannel(m_state, *target - 1);
    });
    if (copied) return std::nullopt;
    return CellNotice{TextId::ChannelOutOfRange, Text(TextId::ChannelOutOfRange)};
}

std::optional<CellNotice> DocumentSession::CopyFrequency(int n, std::string_view txText)
{
    if (!HasRx(n)) return std::nullopt;
    std::optional<CellNotice> notice;
    RecordStep({TextId::FrequencyCopy}, [&] {
        if (txText.empty()) {
            ClearTxFrequency(m_state.memoryImage, n - 1);
            return;
        }
        const NormalizedFreq normal = NormalizeFreq(txText, m_state.bandLowerMHz, m_state.bandUpperMHz);
        notice = OutOfRangeNotice(m_state, normal);
        StoreTxFrequency(m_state.memoryImage, n - 1, normal.text);
    });
    return notice;
}

void DocumentSession::CopyTone(int n, std::string_view tone)
{
    if (!HasTx(n)) return;
    const std::vector<std::string> list = ToneList(m_state.toneListLast);
    if (std::find(list.begin(), list.end(), tone) == list.end()) return;
    RecordStep({TextId::QtDqtCopy},
               [&] { StoreTone(m_state.memoryImage, n - 1, tone, layout::kEncodeToneOffset); });
}

bool DocumentSession::InsertChannel(int n)
{
    if (n < 1 || n > m_state.channelCount || !CanInsert()) return false;
    return RecordStep({TextId::InsertChannel},
                      [&] { ::InsertEmptyChannel(m_state.memoryImage, m_state.channelCount, n); });
}

void DocumentSession::DeleteChannel(int n)
{
    RecordStep({TextId::DeleteChannel},
               [&] { ::DeleteChannel(m_state.memoryImage, m_state.channelCount, n); });
}

void DocumentSession::SetMemoryMap(const MemoryImage& image)
{
    RecordStep({TextId::MemoryMap}, [&] {
        m_state.memoryImage = image;
        NormalizeDocument(m_state);
    });
}
