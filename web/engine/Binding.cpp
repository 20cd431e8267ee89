// The engine's JavaScript face: thin marshalling over DocumentSession and the
// tables; engine.d.ts beside this file describes every export.
#include <string>
#include <vector>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "core/BandTable.h"
#include "core/ChannelView.h"
#include "core/DocumentState.h"
#include "core/Layout.h"
#include "core/OptionColumns.h"
#include "core/ToneCodec.h"
#include "document/DocumentSession.h"
#include "strings/HelpTopics.h"
#include "strings/Strings.h"

using emscripten::val;

namespace {

val Array(const std::vector<std::string>& items)
{
    val out = val::array();
    for (const std::string& item : items) out.call<void>("push", item);
    return out;
}

template <typename Ints>
val IntArray(const Ints& items)
{
    val out = val::array();
    for (const int item : items) out.call<void>("push", item);
    return out;
}

std::vector<std::uint8_t> Bytes(const val& array)
{
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

// A copy, so the array stays valid when the module's memory grows.
val Uint8Array(const std::uint8_t* data, std::size_t size)
{
    return val(emscripten::typed_memory_view(size, data)).call<val>("slice");
}

val MakeNotice(int textId, const std::string& text, const std::string& title, const char* icon)
{
    val notice = val::object();
    notice.set("textId", textId);
    notice.set("text", text);
    notice.set("title", title);
    notice.set("icon", std::string(icon));
    return notice;
}

// A cell's or a copy's message, as the desktop shows it.
val MaybeNotice(const std::optional<CellNotice>& notice)
{
    if (!notice) return val::null();
    return MakeNotice(notice->textId, notice->text, std::string(kProductTitle), "exclamation");
}

val Outcome(bool changed, const std::optional<CellNotice>& notice)
{
    val out = val::object();
    out.set("changed", changed);
    out.set("notice", MaybeNotice(notice));
    return out;
}

val RowValue(const ChannelCells& cells)
{
    val row = val::object();
    row.set("present", cells.present);
    val texts = val::array();
    for (const std::string& text : cells.text) texts.call<void>("push", cells.present ? text : std::string());
    row.set("cells", texts);
    return row;
}

struct FeatureKey {
    Feature feature;
    const char* key;
};
constexpr FeatureKey kFeatureKeys[] = {
    {Feature::TimeOutTimer, "timeOutTimer"},
    {Feature::SquelchLevel, "squelchLevel"},
    {Feature::ChordLanguage, "chordLanguage"},
    {Feature::BeepTone, "beepTone"},
    {Feature::BatterySave, "batterySave"},
    {Feature::Scrambler, "scrambler"},
    {Feature::VoxGain, "voxGain"},
    {Feature::VoxDelay, "voxDelay"},
    {Feature::Ani, "ani"},
    {Feature::Name, "name"},
    {Feature::PttIdBot, "pttIdBot"},
    {Feature::PttIdEot, "pttIdEot"},
};

val FeaturesValue(const OptionalFeatures& f)
{
    val out = val::object();
    out.set("timeOutTimer", f.timeOutTimer);
    out.set("squelchLevel", f.squelchLevel);
    out.set("chordLanguage", f.chordLanguage);
    out.set("voxGain", f.voxGain);
    out.set("voxDelay", f.voxDelay);
    out.set("beepTone", f.beepTone);
    out.set("batterySave", f.batterySave);
    out.set("scrambler", f.scrambler);
    out.set("ani", f.ani);
    out.set("name", f.name);
    out.set("pttIdBot", f.pttIdBot);
    out.set("pttIdEot", f.pttIdEot);
    return out;
}

OptionalFeatures FeaturesFrom(const val& v)
{
    OptionalFeatures f;
    f.timeOutTimer = v["timeOutTimer"].as<int>();
    f.squelchLevel = v["squelchLevel"].as<int>();
    f.chordLanguage = v["chordLanguage"].as<int>();
    f.voxGain = v["voxGain"].as<int>();
    f.voxDelay = v["voxDelay"].as<int>();
    f.beepTone = v["beepTone"].as<bool>();
    f.batterySave = v["batterySave"].as<bool>();
    f.scrambler = v["scrambler"].as<bool>();
    f.ani = v["ani"].as<std::string>();
    f.name = v["name"].as<std::string>();
    f.pttIdBot = v["pttIdBot"].as<bool>();
    f.pttIdEot = v["pttIdEot"].as<bool>();
    return f;
}

// An open document with the state it works on.
class Document final {
public:
    Document() : m_session(m_state)
    {
        m_state.memoryImage.set(layout::kModelRow, layout::kRadioColumn, kDefaultModelCode);
        m_state.memoryImage.set(layout::kBandRow, layout::kRadioColumn, kDefaultBandCode);
        m_session.StartUntitled();
    }

    std::string fileName() const { return m_state.documentPath; }
    std::string title() const { return BuildTitle(m_state.documentPath); }
    bool isModified() const { return IsModified(m_state); }
    int channelCount() const { return m_state.channelCount; }
    int toneListLast() const { return m_state.toneListLast; }
    int bandLowerMHz() const { return m_state.bandLowerMHz; }
    int bandUpperMHz() const { return m_state.bandUpperMHz; }
    val image() const { return Uint8Array(m_state.memoryImage.bytes().data(), MemoryImage::kSize); }
    val snapshot() const { return Uint8Array(m_state.imageSnapshot.bytes().data(), MemoryImage::kSize); }

    bool restore(const val& image, const std::string& name, const val& snapshot)
    {
        const std::vector<std::uint8_t> bytes = Bytes(image);
        const std::vector<std::uint8_t> saved = Bytes(snapshot);
        if (bytes.size() != MemoryImage::kSize || saved.size() != MemoryImage::kSize) return false;
        MemoryImage restored;
        MemoryImage kept;
        std::copy(bytes.begin(), bytes.end(), restored.bytes().begin());
        std::copy(saved.begin(), saved.end(), kept.bytes().begin());
        m_session.Restore(restored, name, kept);
        return true;
    }

    void newDocument() { m_session.StartUntitled(); }

    val open(const val& bytes, const std::string& name)
    {
        val out = val::object();
        const bool ok = m_session.Open(Bytes(bytes), name);
        out.set("ok", ok);
        out.set("notice", ok ? val::null()
                             : MakeNotice(TextId::IncorrectFileType, Text(TextId::IncorrectFileType),
                                          Text(TextId::Error), "critical"));
        return out;
    }

    val saveBytes() const
    {
        const ByteBuffer bytes = m_session.SaveBytes();
        return Uint8Array(bytes.data(), bytes.size());
    }
    void markSaved(const std::string& name) { m_session.MarkSaved(name); }
    std::string exportCsv() const { return m_session.ExportCsv(); }

    val importCsv(const val& bytes, const std::string& name)
    {
        const std::vector<std::uint8_t> data = Bytes(bytes);
        const ChannelImport result =
            m_session.ImportCsv(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
        const bool ok = result.error.empty();
        const std::string report = ImportReportText(result);
        val out = val::object();
        out.set("ok", ok);
        out.set("imported", result.imported);
        out.set("skipped", int(result.skipped.size()));
        out.set("report", report);
        out.set(
            "notice",
            ok ? MakeNotice(TextId::ChannelsImported, report, std::string(kProductTitle), "information")
               : MakeNotice(TextId::CannotOpenFile, TextWith(TextId::CannotOpenFile, {name}) + '\n' + report,
                            std::string(kProductTitle), "exclamation"));
        return out;
    }

    val row(int n)
    {
        if (n < 1 || n > m_state.channelCount) return RowValue({});
        return RowValue(NormalizeAndDescribeChannel(m_state, n - 1));
    }
    val rows()
    {
        val out = val::array();
        for (int n = 1; n <= m_state.channelCount; ++n) out.call<void>("push", row(n));
        return out;
    }
    std::string cellText(int n, int col)
    {
        if (n < 1 || n > m_state.channelCount || col < 1 || col > kChannelCells) return {};
        const ChannelCells cells = NormalizeAndDescribeChannel(m_state, n - 1);
        return cells.present ? cells.text[std::size_t(col - 1)] : std::string();
    }
    int editCell(int n, int col) { return EditCell(m_state, n, col); }
    val cellEntries(int col) const { return Array(CellEntries(m_state, col)); }

    val typeText(int n, int col, const std::string& text)
    {
        return changeOutcome([&] { return m_session.TypeFrequency(n, col, text); });
    }
    val choose(int n, int col, const std::string& entry)
    {
        return changeOutcome([&] { return m_session.ChooseEntry(n, col, entry); });
    }

    val general() const
    {
        const GeneralSelection s = GeneralSettingsIndexes(m_state.memoryImage);
        val out = val::object();
        out.set("model", s.model);
        out.set("band", s.band);
        out.set("power", s.power);
        out.set("manual", s.manual);
        return out;
    }
    void setModel(int index) { m_session.SetModel(index); }
    void setPower(int index) { m_session.SetPower(index); }
    void setManual(int index) { m_session.SetManual(index); }
    void setBand(int index) { m_session.SetBand(index); }

    val optionalFeatures() const { return FeaturesValue(ReadOptionalFeatures(m_state.memoryImage)); }
    bool setOptionalFeatures(const val& values)
    {
        return m_session.SetOptionalFeatures(FeaturesFrom(values));
    }

    bool canCopyChannel(int n) { return m_session.HasRx(n); }
    bool canCopyTone(int n) { return m_session.HasTx(n); }
    bool canInsert() { return m_session.CanInsert(); }
    val copyChannel(int n, const std::string& destination)
    {
        return changeOutcome([&] { return m_session.CopyChannelTo(n, destination); });
    }
    val copyFrequency(int n, const std::string& tx)
    {
        return changeOutcome([&] { return m_session.CopyFrequency(n, tx); });
    }
    val copyTone(int n, const std::string& tone)
    {
        return changeOutcome([&] {
            m_session.CopyTone(n, tone);
            return std::optional<CellNotice>();
        });
    }
    bool insertChannel(int n) { return m_session.InsertChannel(n); }
    void deleteChannel(int n) { m_session.DeleteChannel(n); }

    int byteAt(int address) const
    {
        return address >= 0 && address < MemoryImage::kSize ? m_state.memoryImage.atAddress(address) : 0;
    }
    bool setMemoryMap(const val& bytesByAddress)
    {
        const std::vector<std::uint8_t> bytes = Bytes(bytesByAddress);
        if (bytes.size() != MemoryImage::kSize) return false;
        MemoryImage image;
        for (int address = 0; address < MemoryImage::kSize; ++address)
            image.setAtAddress(address, bytes[std::size_t(address)]);
        m_session.SetMemoryMap(image);
        return true;
    }

    val history() const
    {
        val out = val::object();
        out.set("canUndo", m_session.history().canUndo());
        out.set("canRedo", m_session.history().canRedo());
        out.set("undoCaption", m_session.UndoCaption());
        out.set("redoCaption", m_session.RedoCaption());
        return out;
    }
    bool undo() { return m_session.Undo(); }
    bool redo() { return m_session.Redo(); }

    val printedChannels(int first, int last) const
    {
        AppState view = m_state;  // the printout never changes the document
        val out = val::array();
        for (int n = std::max(first, 1); n <= std::min(last, int(view.channelCount)); ++n) {
            const ChannelCells cells = NormalizeAndDescribeChannel(view, n - 1);
            if (!cells.present) continue;
            val channel = val::object();
            channel.set("number", n);
            channel.set("cells", RowValue(cells)["cells"]);
            out.call<void>("push", channel);
        }
        return out;
    }
    val featureLines() const
    {
        const OptionalFeatures features = ReadOptionalFeatures(m_state.memoryImage);
        val out = val::array();
        for (const Feature feature : kFeatures) {
            val line = val::object();
            line.set("label", FeatureLabel(feature));
            line.set("value", FeatureValueText(features, feature));
            out.call<void>("push", line);
        }
        return out;
    }

private:
    template <typename Change>
    val changeOutcome(Change change)
    {
        const MemoryImage before = m_state.memoryImage;
        const std::optional<CellNotice> notice = change();
        return Outcome(m_state.memoryImage != before, notice);
    }

    AppState m_state;
    DocumentSession m_session;
};

void SetLanguage(int language) { SetLanguageIndex(language == 1 ? 1 : 0); }
int Language() { return LanguageIndex(); }
std::string TextOf(int id, int language) { return TextIn(id, language == 1 ? 1 : 0); }
val TextIdList() { return IntArray(TextIds()); }

val Ids()
{
    struct Named {
        const char* name;
        int id;
    };
    static constexpr Named kNamed[] = {
#include "TextIdNames.inc"
    };
    val out = val::object();
    for (const Named& named : kNamed) out.set(named.name, named.id);
    return out;
}

val GridHeaderIds() { return IntArray(kGridHeaderIds); }

val BandList()
{
    val out = val::array();
    for (const Band& band : Bands()) {
        val item = val::object();
        item.set("code", int(band.code));
        item.set("text", std::string(band.text));
        item.set("lowerMHz", int(band.lowerMHz));
        item.set("upperMHz", int(band.upperMHz));
        out.call<void>("push", item);
    }
    return out;
}

val ModelList()
{
    std::vector<std::string> models;
    for (const std::string_view model : ModelTexts()) models.emplace_back(model);
    return Array(models);
}

val PowerLevels()
{
    std::vector<std::string> levels;
    for (int level = 0; level <= 9; ++level) levels.push_back(std::to_string(level));
    return Array(levels);
}

val ManualChoices() { return Array({Text(TextId::Enable), Text(TextId::Disable)}); }
val ToneListOf(int toneListLast) { return Array(ToneList(std::int16_t(toneListLast))); }
val OptionEntriesOf(int col) { return Array(OptionEntries(col)); }

val Features()
{
    val out = val::array();
    for (const FeatureKey& entry : kFeatureKeys) {
        val item = val::object();
        item.set("key", std::string(entry.key));
        item.set("label", FeatureLabel(entry.feature));
        item.set("choices", Array(FeatureChoices(entry.feature)));
        out.call<void>("push", item);
    }
    return out;
}

val HelpTopicList()
{
    val out = val::array();
    for (const HelpTopic& topic : HelpTopics()) {
        val item = val::object();
        item.set("page", std::string(topic.page));
        item.set("title", Text(topic.titleId));
        out.call<void>("push", item);
    }
    return out;
}

std::string Version() { return ZQ_VERSION; }

}  // namespace

EMSCRIPTEN_BINDINGS(zq915_engine)
{
    using emscripten::class_;
    using emscripten::function;
    class_<Document>("Document")
        .constructor<>()
        .function("fileName", &Document::fileName)
        .function("title", &Document::title)
        .function("isModified", &Document::isModified)
        .function("channelCount", &Document::channelCount)
        .function("toneListLast", &Document::toneListLast)
        .function("bandLowerMHz", &Document::bandLowerMHz)
        .function("bandUpperMHz", &Document::bandUpperMHz)
        .function("image", &Document::image)
        .function("snapshot", &Document::snapshot)
        .function("restore", &Document::restore)
        .function("newDocument", &Document::newDocument)
        .function("open", &Document::open)
        .function("saveBytes", &Document::saveBytes)
        .function("markSaved", &Document::markSaved)
        .function("exportCsv", &Document::exportCsv)
        .function("importCsv", &Document::importCsv)
        .function("row", &Document::row)
        .function("rows", &Document::rows)
        .function("cellText", &Document::cellText)
        .function("editCell", &Document::editCell)
        .function("cellEntries", &Document::cellEntries)
        .function("typeText", &Document::typeText)
        .function("choose", &Document::choose)
        .function("general", &Document::general)
        .function("setModel", &Document::setModel)
        .function("setPower", &Document::setPower)
        .function("setManual", &Document::setManual)
        .function("setBand", &Document::setBand)
        .function("optionalFeatures", &Document::optionalFeatures)
        .function("setOptionalFeatures", &Document::setOptionalFeatures)
        .function("canCopyChannel", &Document::canCopyChannel)
        .function("canCopyTone", &Document::canCopyTone)
        .function("canInsert", &Document::canInsert)
        .function("copyChannel", &Document::copyChannel)
        .function("copyFrequency", &Document::copyFrequency)
        .function("copyTone", &Document::copyTone)
        .function("insertChannel", &Document::insertChannel)
        .function("deleteChannel", &Document::deleteChannel)
        .function("byteAt", &Document::byteAt)
        .function("setMemoryMap", &Document::setMemoryMap)
        .function("history", &Document::history)
        .function("undo", &Document::undo)
        .function("redo", &Document::redo)
        .function("printedChannels", &Document::printedChannels)
        .function("featureLines", &Document::featureLines);

    function("setLanguage", &SetLanguage);
    function("language", &Language);
    function("text", &TextOf);
    function("textIds", &TextIdList);
    function("ids", &Ids);
    function("gridHeaderIds", &GridHeaderIds);
    function("bands", &BandList);
    function("models", &ModelList);
    function("powerLevels", &PowerLevels);
    function("manualChoices", &ManualChoices);
    function("toneList", &ToneListOf);
    function("optionEntries", &OptionEntriesOf);
    function("features", &Features);
    function("helpTopics", &HelpTopicList);
    function("helpPageForContext", &HelpPageForContext);
    function("version", &Version);
}
