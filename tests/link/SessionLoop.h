#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "radio/CloneSession.h"
#include "radio/RadioModel.h"

// Runs a CloneSession against an in-process RadioModel with simulated time:
// replies arrive in order (in chunks of `chunk` bytes, 0 = whole replies), and
// when none is left before the deadline, the deadline expires; late replies
// arrive just after it. Prompt answers come from `answers` (true = Retry).
struct SessionLoop {
    SessionLoop(CloneSession::Direction direction, const MemoryImage& image, RadioModel& radio)
        : session(direction, image), radio(radio)
    {
    }

    CloneSession session;
    RadioModel& radio;
    std::size_t chunk = 0;
    std::deque<bool> answers;

    std::vector<std::uint8_t> sent;  // every byte the program sent, in order
    std::vector<CloneSession::Notice> notices;
    std::vector<std::string> labels;    // the label after every progress change
    std::vector<std::string> failures;  // failureDetail() at every prompt
    bool deadlineArmed = false;

    // Starts the session and runs until it is over, `stop` says so, or it is
    // stuck (a prompt with no scripted answer, or no deadline and nothing to
    // deliver). Returns false when stuck.
    bool run(const std::function<bool()>& stop = {})
    {
        apply(session.start());
        while (!session.isOver()) {
            if (stop && stop()) return true;
            if (session.state() == CloneSession::State::Prompting) {
                if (answers.empty()) return false;
                const bool retry = answers.front();
                answers.pop_front();
                apply(session.answerPrompt(retry));
            } else if (!inTime.empty()) {
                deliverNext();
            } else if (deadlineArmed) {
                deadlineArmed = false;
                apply(session.deadlineExpired());
                for (auto& reply : late) inTime.push_back(std::move(reply));
                late.clear();
            } else {
                return false;
            }
        }
        return true;
    }

    // Feeds bytes to the session as if they had just arrived.
    void deliver(const std::vector<std::uint8_t>& bytes) { apply(session.received(bytes)); }

    void apply(const CloneSession::Actions& actions)
    {
        if (actions.clearPort) {
            inTime.clear();
            late.clear();
        }
        sent.insert(sent.end(), actions.send.begin(), actions.send.end());
        for (RadioModel::Reply& reply : radio.receive(actions.send))
            (reply.late ? late : inTime).push_back(std::move(reply.bytes));
        if (actions.deadline == CloneSession::Deadline::Arm) deadlineArmed = true;
        if (actions.deadline == CloneSession::Deadline::Stop) deadlineArmed = false;
        if (actions.progressChanged) labels.push_back(session.progressLabel());
        if (actions.notice != CloneSession::Notice::None) notices.push_back(actions.notice);
        if (actions.notice == CloneSession::Notice::CheckConnection)
            failures.push_back(session.failureDetail());
    }

private:
    void deliverNext()
    {
        std::vector<std::uint8_t>& front = inTime.front();
        const std::size_t n = chunk == 0 ? front.size() : std::min(chunk, front.size());
        const std::vector<std::uint8_t> piece(front.begin(), front.begin() + static_cast<std::ptrdiff_t>(n));
        front.erase(front.begin(), front.begin() + static_cast<std::ptrdiff_t>(n));
        if (front.empty()) inTime.pop_front();
        deliver(piece);
    }

    std::deque<std::vector<std::uint8_t>> inTime;
    std::deque<std::vector<std::uint8_t>> late;
};
