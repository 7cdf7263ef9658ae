// What keeps one description's case from taking the whole program down
// unnamed: a time limit, past which the case counts as hung, and a report
// of a crash. Either names the description, says what windows were open,
// and ends the program with a failure status, since neither a hung sheet
// nor a broken stack can be left to the next case.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class CaseGuard {
public:
    // Installs the crash report for the whole program.
    CaseGuard();
    ~CaseGuard();
    CaseGuard(const CaseGuard &) = delete;
    CaseGuard &operator=(const CaseGuard &) = delete;

    // The case of this description starts now and has `limit` to finish.
    void Start(const std::string &description, std::chrono::milliseconds limit);
    void Finish();

private:
    void Watch();

    std::mutex mutex_;
    std::condition_variable changed_;
    bool running_ = false;
    bool quitting_ = false;
    std::string description_;
    std::chrono::steady_clock::time_point deadline_;
    std::thread watcher_;
};
