// The radio half of the engine's JavaScript face: the clone dialogue's state
// machine, the demo radio, the read-back comparison and a read's data file; radio.d.ts beside this
// file describes every export. The page carries out a session's actions and
// decides no protocol step of its own.
#include <algorithm>
#include <string>
#include <vector>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "core/DocumentDiff.h"
#include "files/DataFile.h"
#include "radio/CloneSession.h"
#include "radio/DemoRadio.h"
#include "radio/RadioModel.h"

using emscripten::val;

namespace {

std::vector<std::uint8_t> BytesOf(const val& array)
{
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

// A copy, so the array stays valid when the module's memory grows.
val ByteArray(const std::uint8_t* data, std::size_t size)
{
    return val(emscripten::typed_memory_view(size, data)).call<val>("slice");
}

// The 4096 image bytes row-major; a shorter array leaves the rest empty (FF)
// and a longer one is cut, so a wrong length never reads past its end.
MemoryImage ImageOf(const val& array)
{
    const std::vector<std::uint8_t> bytes = BytesOf(array);
    MemoryImage image;
    image.fill(0xFF);
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), MemoryImage::kSize),
                image.bytes().begin());
    return image;
}

// Each reply waits on the actions object, so its keys and names are made as
// JavaScript strings once rather than on every call.
const val& DeadlineValue(CloneSession::Deadline deadline)
{
    static const val keep("keep"), arm("arm"), stop("stop");
    switch (deadline) {
        case CloneSession::Deadline::Arm:
            return arm;
        case CloneSession::Deadline::Stop:
            return stop;
        case CloneSession::Deadline::Keep:
            break;
    }
    return keep;
}

const val& NoticeValue(CloneSession::Notice notice)
{
    static const val none("none"), check("checkConnection"), wrong("modelTypeWrong"), completed("completed");
    switch (notice) {
        case CloneSession::Notice::CheckConnection:
            return check;
        case CloneSession::Notice::ModelTypeWrong:
            return wrong;
        case CloneSession::Notice::Completed:
            return completed;
        case CloneSession::Notice::None:
            break;
    }
    return none;
}

const char* StateName(CloneSession::State state)
{
    switch (state) {
        case CloneSession::State::Idle:
            return "idle";
        case CloneSession::State::Running:
            return "running";
        case CloneSession::State::Prompting:
            return "prompting";
        case CloneSession::State::Completed:
            return "completed";
        case CloneSession::State::Refused:
            return "refused";
        case CloneSession::State::Cancelled:
            return "cancelled";
    }
    return "idle";
}

val ActionsValue(const CloneSession::Actions& actions)
{
    static const val clearPort("clearPort"), send("send"), deadline("deadline"),
        progressChanged("progressChanged"), notice("notice");
    val out = val::object();
    out.set(clearPort, actions.clearPort);
    out.set(send, ByteArray(actions.send.data(), actions.send.size()));
    out.set(deadline, DeadlineValue(actions.deadline));
    out.set(progressChanged, actions.progressChanged);
    out.set(notice, NoticeValue(actions.notice));
    return out;
}

class Clone final {
public:
    Clone(const std::string& direction, const val& image)
        : m_session(direction == "write" ? CloneSession::Direction::Write : CloneSession::Direction::Read,
                    ImageOf(image))
    {
    }

    val start() { return ActionsValue(m_session.start()); }
    val received(const val& bytes)
    {
        const std::vector<std::uint8_t> data = BytesOf(bytes);
        return ActionsValue(m_session.received(data));
    }
    val deadlineExpired() { return ActionsValue(m_session.deadlineExpired()); }
    val answerPrompt(bool retry) { return ActionsValue(m_session.answerPrompt(retry)); }
    val cancel() { return ActionsValue(m_session.cancel()); }

    std::string state() const { return StateName(m_session.state()); }
    std::string direction() const
    {
        return m_session.direction() == CloneSession::Direction::Write ? "write" : "read";
    }
    int progress() const { return m_session.progress(); }
    std::string progressLabel() const { return m_session.progressLabel(); }
    std::string failureDetail() const { return m_session.failureDetail(); }
    val image() const
    {
        const MemoryImage image = m_session.image();
        return ByteArray(image.bytes().data(), MemoryImage::kSize);
    }

private:
    CloneSession m_session;
};

// The radio the page talks to when no cable is in use; what is written to it
// stays until the object goes.
class Demo final {
public:
    Demo() : m_radio(DemoRadioMemory()) {}

    // Replies due now, in order, each a byte array.
    val receive(const val& bytes)
    {
        const std::vector<std::uint8_t> data = BytesOf(bytes);
        val out = val::array();
        for (const RadioModel::Reply& reply : m_radio.receive(data))
            out.call<void>("push", ByteArray(reply.bytes.data(), reply.bytes.size()));
        return out;
    }

private:
    RadioModel m_radio;
};

std::string VerificationOf(const val& sent, const val& stored)
{
    return VerificationText(ImageOf(sent), ImageOf(stored));
}

int FirstDifferenceOf(const val& sent, const val& stored)
{
    return FirstRadioDifference(ImageOf(sent), ImageOf(stored)).value_or(-1);
}

val DataFileOf(const val& image)
{
    const ByteBuffer bytes = EncodeDataFile(ImageOf(image));
    return ByteArray(bytes.data(), bytes.size());
}

}  // namespace

EMSCRIPTEN_BINDINGS(zq915_radio)
{
    using emscripten::class_;
    using emscripten::function;

    class_<Clone>("CloneSession")
        .constructor<std::string, val>()
        .function("start", &Clone::start)
        .function("received", &Clone::received)
        .function("deadlineExpired", &Clone::deadlineExpired)
        .function("answerPrompt", &Clone::answerPrompt)
        .function("cancel", &Clone::cancel)
        .function("state", &Clone::state)
        .function("direction", &Clone::direction)
        .function("progress", &Clone::progress)
        .function("progressLabel", &Clone::progressLabel)
        .function("failureDetail", &Clone::failureDetail)
        .function("image", &Clone::image);
    class_<Demo>("DemoRadio").constructor<>().function("receive", &Demo::receive);
    function("verificationText", &VerificationOf);
    function("firstRadioDifference", &FirstDifferenceOf);
    function("dataFileBytes", &DataFileOf);
    emscripten::constant("cloneBlockCount", CloneSession::kBlockCount);
    emscripten::constant("cloneDeadlineMs", CloneSession::kDeadlineMs);
}
